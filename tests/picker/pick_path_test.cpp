#include "picker/pick_path.h"

#include <algorithm>

#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using fake::DialogScript;

class PickPathTest : public FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        pickPath(false);  // a cancel: forget any path an earlier test picked
        fake::reset();
        addDirectory("C:\\data");
        addFile("C:\\data\\a.txt");
        addFile("C:\\data\\b.txt");
    }
};

TEST_F(PickPathTest, ConsoleTitleStepsInOrder) {
    platform().consoleTitle = L"My console";
    platform().processId = 4242;
    platform().tickCount = 4294967295u;
    int console;
    platform().consoleWindow = &console;
    pickPath(false);
    const std::vector<std::string> expected = {
        "getConsoleTitle 1024",           "currentProcessId",
        "tickCount",                      "setConsoleTitle 4294967295/4242",
        "sleep 40",                       "findWindow 4294967295/4242",
        "setConsoleTitle My console",     "getOpenFileName",
    };
    EXPECT_EQ(platform().log, expected);
    EXPECT_EQ(platform().consoleTitle, L"My console");
    EXPECT_EQ(platform().openCalls[0].owner, &console);
}

TEST_F(PickPathTest, ConsoleTitleComesBackCutTo1023Characters) {
    platform().consoleTitle = std::wstring(1500, L't');
    pickPath(false);
    EXPECT_EQ(platform().consoleTitle, std::wstring(1023, L't'));
}

// The lookup by title comes first; only when it finds nothing is the console's
// own window the owner (Windows Terminal, Wine). The title comes back each time,
// whatever its characters; a title that cannot be read is never replaced.
TEST_F(PickPathTest, OwnerIsTheConsoleWindow) {
    struct Row {
        std::string name;
        bool hasConsole;
        bool titleFindsWindow;
        bool owned;
        bool askedForConsoleWindow;
        std::wstring title = L"My console";
    };
    const std::vector<Row> rows = {
        {"the title finds the window", true, true, true, false},
        {"the title finds nothing", true, false, true, true},
        {"no console", false, false, false, true},
        {"a title beyond any code page", true, true, true, false, L"C:\\Users\\\u0418\u0432\u0430\u043d"},
        {"a title that cannot be read", true, false, true, true, L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake::reset();
        int console;
        platform().consoleTitle = row.title;
        platform().consoleWindow = &console;
        platform().hasConsole = row.hasConsole;
        platform().titleFindsWindow = row.titleFindsWindow;
        pickPath(false);
        ASSERT_EQ(platform().openCalls.size(), 1u);
        EXPECT_EQ(platform().openCalls[0].owner, row.owned ? &console : nullptr);
        // The title is set twice (lookup, restore) or, unreadable, never; the
        // console's own window is asked for last, only when needed.
        const auto& log = platform().log;
        const bool readable = row.hasConsole && !row.title.empty();
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const std::string& call) { return call.rfind("setConsoleTitle", 0) == 0; }),
                  readable ? 2 : 0);
        EXPECT_EQ(log.end()[-2] == "consoleWindow", row.askedForConsoleWindow);
        EXPECT_EQ(platform().consoleTitle, row.title);
    }
}

TEST_F(PickPathTest, EachDialogStartsAtThePreviousPick) {
    platform().dialogs = {DialogScript::pick("C:\\data\\a.txt"), DialogScript::pick("C:\\data\\b.txt"),
                          DialogScript::cancel(), DialogScript::cancel()};
    EXPECT_EQ(pickPath(false), "C:\\data\\a.txt");
    EXPECT_EQ(pickPath(false), "C:\\data\\b.txt");
    EXPECT_EQ(pickPath(false), "");
    EXPECT_EQ(pickPath(false), "");
    const auto& calls = platform().openCalls;
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].initialDir, "");
    EXPECT_EQ(calls[1].initialDir, "C:\\data");
    EXPECT_EQ(calls[2].initialDir, "C:\\data");
    EXPECT_EQ(calls[3].initialDir, "");  // the cancel forgot the pick
    for (const auto& call : calls) {
        EXPECT_EQ(call.title, "Open");
        EXPECT_EQ(call.filter.size(), 21u);
    }
}

TEST_F(PickPathTest, FailureForgetsThePickLikeACancel) {
    platform().dialogs = {DialogScript::pick("C:\\data\\a.txt"), DialogScript::fail(0x3003),
                          DialogScript::cancel()};
    pickPath(false);
    EXPECT_EQ(pickPath(false), "");
    pickPath(false);
    EXPECT_EQ(platform().openCalls[2].initialDir, "");
    EXPECT_EQ(standardError(), "3003\n");
}

TEST_F(PickPathTest, PickOnMappedDriveStartsNextDialogAtItsUncForm) {
    platform().driveTypes["N:"] = 4;
    platform().connections["N:"] = "\\\\server\\share";
    platform().accessErrors["\\\\server\\share\\dir"] = 0;
    platform().dialogs = {DialogScript::pick("N:\\dir\\f.txt"), DialogScript::cancel()};
    EXPECT_EQ(pickPath(false), "N:\\dir\\f.txt");
    pickPath(false);
    EXPECT_EQ(platform().openCalls[1].initialDir, "\\\\server\\share\\dir");
}

TEST_F(PickPathTest, FolderModeUsesTheBrowserWithAnEmptyTitle) {
    int console;
    platform().consoleWindow = &console;
    platform().dialogs = {DialogScript::pick("C:\\data"), DialogScript::cancel()};
    EXPECT_EQ(pickPath(true), "C:\\data");
    pickPath(true);
    ASSERT_EQ(platform().browseCalls.size(), 2u);
    EXPECT_EQ(platform().browseCalls[0].title, "");
    EXPECT_EQ(platform().browseCalls[0].owner, &console);
    EXPECT_TRUE(platform().openCalls.empty());
    EXPECT_EQ(platform().messages[1].text, "C:\\data");
}

}  // namespace
}  // namespace pickpath
