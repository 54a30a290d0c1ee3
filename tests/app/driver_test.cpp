#include "app/driver.h"

#include <optional>

#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using fake::DialogScript;

class RunDriverTest : public FakePlatformTest {
protected:
    int run(std::vector<std::string> args) {
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        return runDriver(static_cast<int>(args.size()), argv.data());
    }
};

TEST_F(RunDriverTest, Modes) {
    struct Row {
        std::string name;
        std::vector<std::string> args;
        std::vector<DialogScript> dialogs;
        std::string written;
        std::size_t dialogsShown;
        // The platform's own command line; unset: argv as it is.
        std::optional<std::wstring> commandLine = std::nullopt;
    };
    const std::vector<Row> rows = {
        {"echo", {"pickpath", "a", "b c"}, {}, "a\nb c\nTest\n", 0},
        {"one empty argument", {"pickpath", ""}, {}, "\nTest\n", 0},
        {"cancel at once", {"pickpath"}, {}, "Test\n", 1},
        {"no arguments at all", {}, {}, "Test\n", 1},
        {"two picks then cancel", {"pickpath"},
         {DialogScript::pick("C:\\a.txt"), DialogScript::pick("C:\\a.txt"), DialogScript::cancel()},
         "C:\\a.txt\nC:\\a.txt\nTest\n", 3},
        {"pick then failure", {"pickpath"},
         {DialogScript::pick("C:\\a.txt"), DialogScript::fail(0x3003)},
         "C:\\a.txt\n3003\nTest\n", 2},
        // Never the runtime's best-fit argv ("????.txt", "Lodz.txt", a fullwidth quote made a
        // real one); an argument the ANSI code page cannot hold exactly is an empty line.
        {"the command line's arguments are written, not argv's", {"pickpath", "????.txt", "Lodz.txt", "caf\xE9"},
         {}, "\n\ncaf\xE9\nTest\n", 0,
         L"pickpath \u0444\u0430\u0439\u043b.txt \u0141\u00f3d\u017a.txt caf\u00e9"},
        {"as many lines as the command line's arguments, not argv's", {"pickpath", "a\"", "b"}, {},
         "\nTest\n", 0, L"pickpath a\uff02\" b\""},
        {"the command line's count decides the mode", {"pickpath", "x"}, {}, "Test\n", 1,
         L"pickpath"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake::reset();
        platform().dialogs = row.dialogs;
        platform().commandLine = row.commandLine;
        const std::string before = standardError();
        EXPECT_EQ(run(row.args), 0);
        EXPECT_EQ(standardError().substr(before.size()), row.written);
        EXPECT_EQ(platform().openCalls.size(), row.dialogsShown);
        EXPECT_EQ(platform().commands,
                  std::vector<std::string>{"\"C:\\Windows\\system32\\timeout.exe\" 5"});
    }
}

TEST_F(RunDriverTest, NothingRunsWithoutTheSystemsWaitCommand) {
    platform().waitCommandPrefix = "";
    EXPECT_EQ(run({"pickpath", "a"}), 0);
    EXPECT_EQ(standardError(), "a\nTest\n");
    EXPECT_TRUE(platform().commands.empty());
}

}  // namespace
}  // namespace pickpath
