#include "pathutil/mapped_drive.h"

#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using ResolveMappedDriveTest = FakePlatformTest;

// Only a remote drive's head is replaced, by the network name the query
// answers in the 260 bytes it is offered.
TEST_F(ResolveMappedDriveTest, Table) {
    const std::string longest = "\\\\server\\" + std::string(251, 's');
    platform().connections = {{"N:", "\\\\server\\share"}, {"n:", "\\\\lower\\share"}, {"C:", "\\\\local"},
                              {"R:", "\\\\removable"},   {"L:", longest},           {"O:", longest + "o"}};
    // M: is remote, but the query answers an error and leaves nothing, as for a
    // network name the ANSI code page cannot hold exactly.
    platform().driveTypes = {{"N:", 4}, {"n:", 4}, {"M:", 4}, {"L:", 4}, {"O:", 4}, {"R:", 2}};
    struct Row {
        std::string path;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"", ""},
        {"N", "N"},
        {"N:", "\\\\server\\share"},
        {"N:\\dir\\f.txt", "\\\\server\\share\\dir\\f.txt"},
        {"N:f.txt", "\\\\server\\sharef.txt"},
        {"n:\\x", "\\\\lower\\share\\x"},
        {"C:\\data\\f.txt", "C:\\data\\f.txt"},
        {"R:\\f", "R:\\f"},
        {"M:\\f", "M:\\f"},
        {"L:\\f", longest + "\\f"},
        {"O:\\f", "O:\\f"},
        {"\\\\server\\share\\f", "\\\\server\\share\\f"},
        {"ab:c", "ab:c"},
        {"1:x", "1:x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        EXPECT_EQ(resolveMappedDrive(row.path), row.want);
    }
}

}  // namespace
}  // namespace pickpath
