// What the Windows runtime answers for drive paths, shares and network
// drives. Runs in the test prefix, where \\localhost\share is a share and N:
// a network drive mapped to it, and M: one mapped to \\localhost\Łódź.
#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "pathutil/file_status.h"
#include "pathutil/mapped_drive.h"
#include "pathutil/path_exists.h"
#include "pathutil/picked_path.h"
#include "platform/platform.h"
#include "platform/platform_win32.h"

namespace pickpath {
namespace {

TEST(WineDrives, DriveRows) {
    struct Row {
        std::string path;
        bool failed;
        bool directory;
    };
    const std::vector<Row> rows = {
        {"C:\\", false, true},           {"C:/", true, false},
        {"C:", true, false},             {"C:\\windows\\", true, false},
        {"C:/windows/", false, true},    {"C:\\windows", false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        const FileStatus status(row.path);
        std::printf("status of %-14s failed=%d errno=%d directory=%d size=%lld\n", row.path.c_str(),
                    status.failed(), status.error(), status.isDirectory(),
                    static_cast<long long>(status.size()));
        EXPECT_EQ(status.failed(), row.failed);
        EXPECT_EQ(status.isDirectory(), row.directory);
        if (row.failed) {
            EXPECT_EQ(status.error(), ENOENT);
        }
        EXPECT_EQ(pathExists(row.path, false), !row.failed);
    }
}

class WineShare : public ::testing::Test {
protected:
    const std::string full = "\\\\localhost\\share\\pickpath-full.txt";
    const std::string empty = "\\\\localhost\\share\\pickpath-empty.txt";
    void SetUp() override {
        std::ofstream(full) << "content";
        std::ofstream(empty).close();
    }
    void TearDown() override {
        std::remove(full.c_str());
        std::remove(empty.c_str());
    }
};

TEST_F(WineShare, ExistenceByAccessTest) {
    struct Row {
        std::string path;
        bool exists;
    };
    const std::vector<Row> rows = {
        {full, true},
        {"//localhost/share/pickpath-full.txt", true},
        {"\\\\localhost\\share", true},
        {"\\\\localhost\\share\\missing.txt", false},
        {"\\\\nohost\\share\\pickpath-full.txt", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(pathExists(row.path, false), row.exists);
        EXPECT_EQ(pathExists(row.path, true), row.exists);
    }
    // An empty file on a share counts as present whatever rejectEmptyFile says.
    EXPECT_TRUE(pathExists(empty, false));
    EXPECT_TRUE(pathExists(empty, true));
}

TEST(WineMappedDrive, NetworkDriveResolvesToItsShare) {
    struct Row {
        std::string path;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"N:\\dir\\f.txt", "\\\\localhost\\share\\dir\\f.txt"},
        {"N:", "\\\\localhost\\share"},
        {"n:\\x", "\\\\localhost\\share\\x"},
        // M: is \\localhost\Łódź, which 1252 cannot hold exactly (best fit: Lodz).
        {"M:\\dir\\f.txt", "M:\\dir\\f.txt"},
        {"C:\\windows\\win.ini", "C:\\windows\\win.ini"},
        {"Q:\\nothing", "Q:\\nothing"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(resolveMappedDrive(row.path), row.want);
    }
}

// The 32-bit build runs under WOW64 in the 64-bit prefix: its system folder
// lists SysWOW64's items. A pick there is written as the path of the item
// listed, unless a 64-bit program finds that same item at the path. In the
// 64-bit build, and outside the redirected folders, every path stays as it is.
TEST(PickedPathText, NamesTheItemTheSystemFolderListed) {
    wchar_t systemBuffer[MAX_PATH] = {};
    wchar_t wowBuffer[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryW(systemBuffer, MAX_PATH), 0u);
    ASSERT_NE(GetSystemWow64DirectoryW(wowBuffer, MAX_PATH), 0u);
    const std::wstring system = systemBuffer, wow = wowBuffer;
    const std::wstring only32 = L"\\pickpath-only32.txt", both = L"\\pickpath-both.txt";
    const bool redirected = platform::fileSystemRedirected();
    EXPECT_EQ(redirected, sizeof(void*) == 4);
    // In the native view (redirection off): the 64-bit system folder.
    const auto inNativeView = [](auto step) {
        void* redirection = nullptr;
        const bool off = Wow64DisableWow64FsRedirection(&redirection);
        step();
        if (off) Wow64RevertWow64FsRedirection(redirection);
    };
    const auto write = [](const std::wstring& path, const char* content) {
        std::FILE* out = _wfopen(path.c_str(), L"wb");
        ASSERT_NE(out, nullptr);
        std::fputs(content, out);
        std::fclose(out);
    };
    inNativeView([&] { write(system + both, "the 64-bit copy"); });
    write(wow + only32, "only the 32-bit view has it");
    write(wow + both, "the 32-bit copy");
    struct Row {
        std::wstring picked;
        std::wstring written;
    };
    const std::vector<Row> rows = {
        {system + only32, (redirected ? wow : system) + only32},
        {system + both, (redirected ? wow : system) + both},
        {L"C:\\windows\\win.ini", L"C:\\windows\\win.ini"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.picked.begin(), row.picked.end()));
        const std::string text = pickedPathText(row.picked);
        EXPECT_TRUE(platform::sameFileName(platform::widenAnsi(text.data(), text.size()), row.written)) << text;
    }
    DeleteFileW((wow + only32).c_str());
    DeleteFileW((wow + both).c_str());
    inNativeView([&] { DeleteFileW((system + both).c_str()); });
}

}  // namespace
}  // namespace pickpath
