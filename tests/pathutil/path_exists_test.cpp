#include "pathutil/path_exists.h"

#include <cerrno>

#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using PathExistsTest = FakePlatformTest;

TEST_F(PathExistsTest, DecidesByStatusAndRejectEmptyFile) {
    addFile("C:\\empty.txt", 0);
    addFile("C:\\full.txt", 12);
    addDirectory("C:\\dir");
    addStatus("C:\\odd", 0x2000, 0);  // exists, neither file nor directory, size 0
    platform().statuses["C:\\denied"] = {-1, EACCES, {}};
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        EXPECT_EQ(pathExists(row.path, false), row.plain);
        EXPECT_EQ(pathExists(row.path, true), row.rejectingEmpty);
    }
}

// A share's path by the access test alone (an empty file counts, a status is never
// read); any other path, also "\\" or "\\x", by its status.
TEST_F(PathExistsTest, UncPathsUseTheAccessTestOnly) {
    platform().accessible = {"\\\\server\\share\\empty.txt", "\\", "\\x"};
    addFile("\\\\server\\share\\empty.txt", 0);
    addFile("\\\\server\\share\\status-only.txt");
    struct Row {
        std::string path;
        bool exists;
    };
    const std::vector<Row> rows = {
        {"\\\\server\\share\\empty.txt", true}, {"//server/share/empty.txt", true},
        {"\\\\server\\share\\empty.txt\\", false}, {"\\\\server\\share\\status-only.txt", false},
        {"\\\\elsewhere\\share", false}, {"\\", false}, {"/", false}, {"\\x", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(pathExists(row.path, false), row.exists);
        EXPECT_EQ(pathExists(row.path, true), row.exists);
    }
}

}  // namespace
}  // namespace pickpath
