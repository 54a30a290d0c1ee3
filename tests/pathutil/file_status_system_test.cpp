// The status record and the existence test against the real runtime, in a
// fresh temp folder (natively, and under Wine for the Windows build).
#include <gtest/gtest.h>

#include <algorithm>
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
    std::replace(path.begin(), path.end(), '\\', '/');
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

// Each path's status, and whether it exists, also when an empty file does not count.
TEST_F(FileStatusSystemTest, Table) {
    constexpr int kAnyError = -1;
    struct Row {
        std::string name;
        std::string path;
        int error;
        bool directory;
        bool regular;
        std::int64_t size;  // -1: not checked
    };
    const std::vector<Row> rows = {
        {"empty file", folder / "empty.txt", 0, false, true, 0},
        {"file", folder / "full.txt", 0, false, true, 12},
        {"directory", folder / "dir", 0, true, false, -1},
        {"directory with '/' and a trailing '/'", withSlashes(folder / "dir") + "/", 0, true, false, -1},
        {"file with '/'", withSlashes(folder / "full.txt"), 0, false, true, 12},
        {"missing", folder / "missing.txt", ENOENT, false, false, 0},
        {"empty path", "", ENOENT, false, false, 0},
        {"wildcard", folder / "*.txt", kAnyError, false, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.path);
        const FileStatus status(row.path);
        const bool failed = row.error != 0;
        EXPECT_EQ(status.failed(), failed) << status.error();
        EXPECT_EQ(status.isDirectory(), row.directory);
        EXPECT_EQ(status.isRegularFile(), row.regular);
        if (row.size >= 0) { EXPECT_EQ(status.size(), row.size); }
        if (failed) { EXPECT_EQ(status.mode(), 0); }
        EXPECT_EQ(status.error() != 0, failed);
        if (row.error != kAnyError) { EXPECT_EQ(status.error(), row.error); }
        EXPECT_EQ(pathExists(row.path, false), !failed);
        EXPECT_EQ(pathExists(row.path, true), !failed && row.size != 0);
    }
}

TEST_F(FileStatusSystemTest, SizeAbove4GiBComesBackWhole) {
    const std::string path = folder / "sparse.bin";
    std::ofstream(path).close();
    const std::uintmax_t size = (std::uintmax_t{5} << 30) + 7;
    fs::resize_file(path, size);  // sparse: no disk space is used
    const FileStatus status(path);
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
}

}  // namespace
}  // namespace pickpath
