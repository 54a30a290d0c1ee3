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

TEST_F(FileStatusTest, TypeBits) {
    struct Row {
        std::uint16_t mode;
        bool regular;
        bool directory;
    };
    for (const Row& row : {Row{0x41FF, false, true}, Row{0x81FF, true, false},
                           Row{0x2000, false, false}, Row{0xC000, false, false},
                           Row{0x0000, false, false}}) {
        SCOPED_TRACE(row.mode);
        addStatus("p", row.mode, 0);
        const FileStatus status("p");
        EXPECT_EQ(status.isRegularFile(), row.regular);
        EXPECT_EQ(status.isDirectory(), row.directory);
    }
}

TEST_F(FileStatusTest, FailedQueryKeepsErrnoAndZeroRecord) {
    for (int error : {ENOENT, EACCES, EINVAL}) {
        SCOPED_TRACE(error);
        addFailure("C:\\gone", error);
        const FileStatus status("C:\\gone");
        EXPECT_TRUE(status.failed());
        EXPECT_EQ(status.error(), error);
        EXPECT_EQ(status.mode(), 0);
        EXPECT_EQ(status.size(), 0);
        EXPECT_FALSE(status.isRegularFile());
        EXPECT_FALSE(status.isDirectory());
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
