#include "pathutil/file_status.h"

#include <cerrno>

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using FileStatusTest = FakePlatformTest;

// Every field of a successful query, 64-bit sizes and times included, and the
// type from the mode bits; a failed query keeps its errno and reads as nothing.
TEST_F(FileStatusTest, FieldsTypeBitsAndFailures) {
    struct Row {
        std::uint16_t mode;
        int error;
        bool regular;
        bool directory;
    };
    for (const Row& row : {Row{0x41FF, 0, false, true}, Row{0x81FF, 0, true, false},
                           Row{0x2000, 0, false, false}, Row{0xC000, 0, false, false},
                           Row{0x0000, 0, false, false}, Row{0x81FF, ENOENT, false, false},
                           Row{0x41FF, EACCES, false, false}, Row{0x81FF, EINVAL, false, false}}) {
        SCOPED_TRACE(std::to_string(row.mode) + " " + std::to_string(row.error));
        const platform::StatusRecord record = {row.mode, 5'000'000'000LL, 2'200'000'001LL, 2'200'000'002LL,
                                               2'200'000'003LL};
        platform().statuses["p"] = {row.error != 0 ? -1 : 0, row.error, record};
        const FileStatus status("p");
        const bool found = row.error == 0;
        EXPECT_EQ(status.failed(), !found);
        EXPECT_EQ(status.error(), row.error);
        EXPECT_EQ(status.isRegularFile(), row.regular);
        EXPECT_EQ(status.isDirectory(), row.directory);
        EXPECT_EQ(status.mode(), found ? row.mode : 0);
        EXPECT_EQ(status.size(), found ? 5'000'000'000LL : 0);
        EXPECT_EQ(status.accessTime(), found ? 2'200'000'001LL : 0);
        EXPECT_EQ(status.modifyTime(), found ? 2'200'000'002LL : 0);
        EXPECT_EQ(status.createTime(), found ? 2'200'000'003LL : 0);
    }
}

// Which text the runtime's query is asked for (the only one that answers);
// under 932, where the second byte of 表 (95 5C) is no separator.
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
