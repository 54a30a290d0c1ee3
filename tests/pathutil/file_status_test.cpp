#include "pathutil/file_status.h"

#include <cerrno>

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using FileStatusTest = FakePlatformTest;

TEST_F(FileStatusTest, ReadsEveryFieldOfASuccessfulQuery) {
    fake::StatusScript script;
    script.result = 0;
    script.record = {0x81A4, 5'000'000'000LL, 2'200'000'001LL, 2'200'000'002LL, 2'200'000'003LL};
    platform().statuses["C:\\big.bin"] = script;

    const FileStatus status("C:\\big.bin");
    EXPECT_FALSE(status.failed());
    EXPECT_EQ(status.error(), 0);
    EXPECT_EQ(status.size(), 5'000'000'000LL);
    EXPECT_EQ(status.accessTime(), 2'200'000'001LL);
    EXPECT_EQ(status.modifyTime(), 2'200'000'002LL);
    EXPECT_EQ(status.createTime(), 2'200'000'003LL);
    EXPECT_EQ(status.mode(), 0x81A4);
    EXPECT_TRUE(status.isRegularFile());
    EXPECT_FALSE(status.isDirectory());
}

// The type from the mode bits; a failed query keeps its errno and reads as
// nothing at all.
TEST_F(FileStatusTest, TypeBitsAndFailures) {
    struct Row {
        std::uint16_t mode;
        int error;
        bool regular;
        bool directory;
    };
    for (const Row& row : {Row{0x41FF, 0, false, true}, Row{0x81FF, 0, true, false}, Row{0x2000, 0, false, false},
                           Row{0xC000, 0, false, false}, Row{0x0000, 0, false, false},
                           Row{0x81FF, ENOENT, false, false}, Row{0x41FF, EACCES, false, false},
                           Row{0x81FF, EINVAL, false, false}}) {
        SCOPED_TRACE(std::to_string(row.mode) + " " + std::to_string(row.error));
        addStatus("p", row.mode, 7);
        if (row.error != 0) {
            platform().statuses["p"].result = -1;
            platform().statuses["p"].error = row.error;
        }
        const FileStatus status("p");
        EXPECT_EQ(status.failed(), row.error != 0);
        EXPECT_EQ(status.error(), row.error);
        EXPECT_EQ(status.isRegularFile(), row.regular);
        EXPECT_EQ(status.isDirectory(), row.directory);
        EXPECT_EQ(status.mode(), row.error != 0 ? 0 : row.mode);
        EXPECT_EQ(status.size(), row.error != 0 ? 0 : 7);
    }
}

// Which text the runtime's query is asked for: the only one that answers; under 932, where the
// second byte of 表 (95 5C) is no separator.
TEST_F(FileStatusTest, NormalisesOnlyPathsWithAForwardSlash) {
    fake::useCodePage(932);
    const std::string hyo = doublebyte::kHyo;
    struct Row {
        std::string path;
        std::string queried;
    };
    const std::vector<Row> rows = {
        {"C:/dir/", "C:\\dir"},       {"C:/", "C:"},
        {"C:\\dir\\", "C:\\dir\\"},   {"C:\\", "C:\\"},
        {"", ""},                     {"//server/share/x", "\\\\server\\share\\x"},
        {"a\\\\b", "a\\\\b"},
        {"T:/fs/" + hyo + "\\a.txt", "T:\\fs\\" + hyo + "\\a.txt"},
        {"T:\\fs\\" + hyo, "T:\\fs\\" + hyo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        platform().statuses.clear();
        addFile(row.queried);
        EXPECT_FALSE(FileStatus(row.path).failed());
    }
}

}  // namespace
}  // namespace pickpath
