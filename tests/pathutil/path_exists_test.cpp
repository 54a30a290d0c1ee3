#include "pathutil/path_exists.h"

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using PathExistsTest = FakePlatformTest;

// Under 932, where the second byte of ソ (83 5C) is no separator.
TEST_F(PathExistsTest, DecidesByStatusAndRejectEmptyFile) {
    fake::useCodePage(932);
    const std::string so = doublebyte::kSo;
    addFile("T:\\fs\\" + so + "\\x.txt");
    addFile("C:\\empty.txt", 0);
    addFile("C:\\full.txt", 12);
    addDirectory("C:\\dir");
    addStatus("C:\\odd", 0x2000, 0);  // exists, neither file nor directory, size 0
    addFailure("C:\\denied", 13);
    struct Row {
        std::string path;
        bool plain;
        bool rejectingEmpty;
    };
    const std::vector<Row> rows = {
        {"C:\\empty.txt", true, false}, {"C:\\full.txt", true, true},
        {"C:\\dir", true, true},        {"C:\\odd", true, false},
        {"C:\\denied", false, false},   {"C:\\missing", false, false},
        {"", false, false},             {"C:/dir/", true, true},
        {"T:/fs/" + so + "/x.txt", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        EXPECT_EQ(pathExists(row.path, false), row.plain);
        EXPECT_EQ(pathExists(row.path, true), row.rejectingEmpty);
    }
}

TEST_F(PathExistsTest, UncPathsUseTheAccessTestOnly) {
    platform().accessErrors["\\\\server\\share\\empty.txt"] = 0;
    for (const std::string path : {"\\\\server\\share\\empty.txt", "//server/share/empty.txt",
                                   "\\\\server\\share\\empty.txt\\"}) {
        SCOPED_TRACE(path);
        platform().log.clear();
        const bool plain = pathExists(path, false);
        const bool rejecting = pathExists(path, true);
        const bool expected = path.back() != '\\';
        EXPECT_EQ(plain, expected);
        EXPECT_EQ(rejecting, expected);
        for (const std::string& call : platform().log) EXPECT_EQ(call.rfind("access ", 0), 0u) << call;
    }
    platform().log.clear();
    EXPECT_FALSE(pathExists("\\\\elsewhere\\share", false));
    EXPECT_EQ(platform().log, std::vector<std::string>{"access \\\\elsewhere\\share"});
}

TEST_F(PathExistsTest, ShortOrSingleSlashPathsAreNotUnc) {
    addDirectory("\\");
    platform().accessErrors["\\"] = 0;
    for (const std::string path : {"\\", "/", "\\x"}) {
        SCOPED_TRACE(path);
        platform().log.clear();
        pathExists(path, false);
        ASSERT_FALSE(platform().log.empty());
        EXPECT_EQ(platform().log[0].rfind("queryStatus ", 0), 0u);
    }
}

}  // namespace
}  // namespace pickpath
