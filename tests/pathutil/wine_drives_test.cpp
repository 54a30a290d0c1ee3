// What the Windows runtime answers for drive paths, shares and network
// drives. Runs in the test prefix, where \\localhost\share is a share and N:
// a network drive mapped to it.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "pathutil/file_status.h"
#include "pathutil/mapped_drive.h"
#include "pathutil/path_exists.h"

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
        {"C:\\windows\\win.ini", "C:\\windows\\win.ini"},
        {"Q:\\nothing", "Q:\\nothing"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(resolveMappedDrive(row.path), row.want);
    }
}

}  // namespace
}  // namespace pickpath
