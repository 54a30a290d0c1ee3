// The status record and the existence test against the real runtime, in a
// fresh temp folder (natively, and under Wine for the Windows build).
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "pathutil/file_status.h"
#include "pathutil/path_exists.h"
#include "tests/support/file_time.h"
#include "tests/support/temp_folder.h"

namespace pickpath {
namespace {

namespace fs = std::filesystem;

std::string withSlashes(std::string path) {
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

class FileStatusSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(folder / "empty.txt").close();
        std::ofstream(folder / "full.txt") << "twelve bytes";
        fs::create_directory(folder / "dir");
    }
    TempFolder folder;
};

TEST_F(FileStatusSystemTest, Table) {
    struct Row {
        std::string name;
        std::string path;
        bool failed;
        bool directory;
        bool regular;
        std::int64_t size;
    };
    const std::vector<Row> rows = {
        {"empty file", folder / "empty.txt", false, false, true, 0},
        {"file", folder / "full.txt", false, false, true, 12},
        {"directory", folder / "dir", false, true, false, -1},
        {"directory with '/' and a trailing '/'", withSlashes(folder / "dir") + "/", false, true,
         false, -1},
        {"file with '/'", withSlashes(folder / "full.txt"), false, false, true, 12},
        {"missing", folder / "missing.txt", true, false, false, 0},
        {"empty path", "", true, false, false, 0},
        {"wildcard", folder / "*.txt", true, false, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.path);
        const FileStatus status(row.path);
        EXPECT_EQ(status.failed(), row.failed) << status.error();
        EXPECT_EQ(status.isDirectory(), row.directory);
        EXPECT_EQ(status.isRegularFile(), row.regular);
        if (row.size >= 0) {
            EXPECT_EQ(status.size(), row.size);
        }
        if (row.failed) {
            EXPECT_NE(status.error(), 0);
            EXPECT_EQ(status.mode(), 0);
        }
        EXPECT_EQ(pathExists(row.path, false), !row.failed);
    }
}

TEST_F(FileStatusSystemTest, MissingAndEmptyPathsFailWithEnoent) {
    EXPECT_EQ(FileStatus(folder / "missing.txt").error(), ENOENT);
    EXPECT_EQ(FileStatus("").error(), ENOENT);
}

TEST_F(FileStatusSystemTest, RejectEmptyFile) {
    EXPECT_TRUE(pathExists(folder / "empty.txt", false));
    EXPECT_FALSE(pathExists(folder / "empty.txt", true));
    EXPECT_TRUE(pathExists(folder / "full.txt", true));
    EXPECT_TRUE(pathExists(folder / "dir", true));
}

TEST_F(FileStatusSystemTest, SizeAbove4GiBComesBackWhole) {
    const std::string path = folder / "sparse.bin";
    std::ofstream(path).close();
    const std::uintmax_t size = (std::uintmax_t{5} << 30) + 7;
    fs::resize_file(path, size);  // sparse: no disk space is used
    const FileStatus status(path);
    EXPECT_FALSE(status.failed());
    EXPECT_EQ(static_cast<std::uintmax_t>(status.size()), size);
}

TEST_F(FileStatusSystemTest, ModificationTimeAfter2038) {
    const std::string path = folder / "future.txt";
    std::ofstream(path) << "x";
    const std::int64_t target = 2208988800;  // 2040-01-01 00:00:00 UTC
    ASSERT_TRUE(setFileTime(path, target));
    const FileStatus status(path);
    ASSERT_FALSE(status.failed()) << status.error();
    EXPECT_EQ(status.modifyTime(), target);
    EXPECT_TRUE(pathExists(path, true));
}

}  // namespace
}  // namespace pickpath
