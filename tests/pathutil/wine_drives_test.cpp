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
        EXPECT_EQ(status.failed(), row.failed);
        EXPECT_EQ(status.isDirectory(), row.directory);
        if (row.failed) { EXPECT_EQ(status.error(), ENOENT); }
        EXPECT_EQ(pathExists(row.path, false), !row.failed);
    }
}

// On a share the access test alone decides: an empty file is present whatever
// rejectEmptyFile says.
TEST(WineShare, ExistenceByAccessTest) {
    const std::string own = "-" + std::to_string(GetCurrentProcessId()) + ".txt";  // no other test's
    const std::string full = "\\\\localhost\\share\\pickpath-full" + own;
    const std::string empty = "\\\\localhost\\share\\pickpath-empty" + own;
    std::ofstream(full) << "content";
    std::ofstream(empty).close();
    struct Row {
        std::string path;
        bool exists;
    };
    const std::vector<Row> rows = {
        {full, true},
        {empty, true},
        {"//localhost/share/pickpath-full" + own, true},
        {"\\\\localhost\\share", true},
        {"\\\\localhost\\share\\missing.txt", false},
        {"\\\\nohost\\share\\pickpath-full.txt", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(pathExists(row.path, false), row.exists);
        EXPECT_EQ(pathExists(row.path, true), row.exists);
    }
    std::remove(full.c_str());
    std::remove(empty.c_str());
}

TEST(WineMappedDrive, NetworkDriveResolvesToItsShare) {
    struct Row {
        std::string path;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"N:\\dir\\f.txt", "\\\\localhost\\share\\dir\\f.txt"},
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

// Under WOW64 (the 32-bit build) the system folder lists SysWOW64's items: a pick
// there is written as the listed item's path, unless a 64-bit program finds that
// same item at the pick. Elsewhere, and in the 64-bit build, paths stay as they are.
TEST(PickedPathText, NamesTheItemTheSystemFolderListed) {
    wchar_t system[MAX_PATH] = {};
    wchar_t wow[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    ASSERT_NE(GetSystemWow64DirectoryW(wow, MAX_PATH), 0u);
    const bool redirected = platform::fileSystemRedirected();
    EXPECT_EQ(redirected, sizeof(void*) == 4);
    // Files in each view: the 64-bit one only with redirection off.
    const std::wstring own = L"-" + std::to_wstring(GetCurrentProcessId()) + L".txt";  // no other test's
    const std::vector<std::wstring> files = {std::wstring(system) + L"\\pickpath-both" + own,
                                             std::wstring(wow) + L"\\pickpath-both" + own,
                                             std::wstring(wow) + L"\\pickpath-only32" + own};
    void* redirection = nullptr;
    for (const std::wstring& file : files) {
        const bool off = file == files[0] && Wow64DisableWow64FsRedirection(&redirection);
        std::ofstream(file.c_str()) << "the copy in " << (off ? "the 64-bit view" : "SysWOW64");
        if (off) Wow64RevertWow64FsRedirection(redirection);
    }
    const std::wstring shown = redirected ? wow : system;
    const std::vector<std::pair<std::wstring, std::wstring>> rows = {
        {std::wstring(system) + L"\\pickpath-only32" + own, shown + L"\\pickpath-only32" + own},
        {files[0], shown + L"\\pickpath-both" + own},
        {L"C:\\windows\\win.ini", L"C:\\windows\\win.ini"},
    };
    for (const auto& [picked, written] : rows) {
        SCOPED_TRACE(std::string(picked.begin(), picked.end()));
        const std::string text = pickedPathText(picked);
        EXPECT_TRUE(platform::sameFileName(platform::widenAnsi(text.data(), text.size()), written)) << text;
    }
    for (const std::wstring& file : files) {
        const bool off = file == files[0] && Wow64DisableWow64FsRedirection(&redirection);
        DeleteFileW(file.c_str());
        if (off) Wow64RevertWow64FsRedirection(redirection);
    }
}

}  // namespace
}  // namespace pickpath
