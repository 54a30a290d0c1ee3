#include "pathutil/mapped_drive.h"

#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

class ResolveMappedDriveTest : public FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        platform().driveTypes["N:"] = 4;
        platform().connections["N:"] = "\\\\server\\share";
        platform().driveTypes["n:"] = 4;
        platform().connections["n:"] = "\\\\lower\\share";
        // Remote, but the query answers an error and leaves nothing, as for a
        // network name the ANSI code page cannot hold exactly.
        platform().driveTypes["M:"] = 4;
        platform().driveTypes["R:"] = 2;  // removable
    }
};

TEST_F(ResolveMappedDriveTest, Table) {
    struct Row {
        std::string path;
        std::string want;
        std::vector<std::string> calls;
    };
    const std::vector<Row> rows = {
        {"", "", {}},
        {"N", "N", {}},
        {"N:", "\\\\server\\share", {"driveType N:", "networkConnection N:"}},
        {"N:\\dir\\f.txt", "\\\\server\\share\\dir\\f.txt", {"driveType N:", "networkConnection N:"}},
        {"N:f.txt", "\\\\server\\sharef.txt", {"driveType N:", "networkConnection N:"}},
        {"n:\\x", "\\\\lower\\share\\x", {"driveType n:", "networkConnection n:"}},
        {"C:\\data\\f.txt", "C:\\data\\f.txt", {"driveType C:"}},
        {"R:\\f", "R:\\f", {"driveType R:"}},
        {"M:\\f", "M:\\f", {"driveType M:", "networkConnection M:"}},
        {"\\\\server\\share\\f", "\\\\server\\share\\f", {}},
        {"ab:c", "ab:c", {}},
        {"1:x", "1:x", {"driveType 1:"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        platform().log.clear();
        EXPECT_EQ(resolveMappedDrive(row.path), row.want);
        EXPECT_EQ(platform().log, row.calls);
    }
}

TEST_F(ResolveMappedDriveTest, OffersTheConnectionQuery260Characters) {
    resolveMappedDrive("N:\\x");
    EXPECT_EQ(platform().connectionBufferLengths, std::vector<std::uint32_t>{260});
}

}  // namespace
}  // namespace pickpath
