#include "picker/pick_path.h"

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
    }
};

// The window showing a title of the tick count and process id, set before a wait,
// owns the dialog; else the console's own window (Windows Terminal, Wine). The title
// comes back, whatever its characters, cut to 1023; an unreadable one is never replaced.
TEST_F(PickPathTest, OwnerIsTheConsoleWindow) {
    struct Row {
        std::string name;
        bool hasConsole;
        bool titleFindsWindow;
        int owner;  // 0: the window the title found; 1: the console's own; 2: none
        std::wstring title = L"My console";
    };
    const std::vector<Row> rows = {
        {"the title finds the window", true, true, 0},
        {"the title finds nothing", true, false, 1},
        {"no console", false, false, 2},
        {"a title beyond any code page", true, true, 0, L"C:\\Users\\\u0418\u0432\u0430\u043d"},
        {"a title that cannot be read", true, true, 1, L""},
        {"a title longer than the buffer", true, true, 0, std::wstring(1500, L't')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake::reset();
        int console, titled;
        platform().consoleTitle = row.title;
        platform().consoleWindow = &console;
        platform().titleWindow = &titled;
        platform().hasConsole = row.hasConsole;
        platform().titleFindsWindow = row.titleFindsWindow;
        platform().processId = 4242;
        platform().tickCount = 4294967295u;
        pickPath(false);
        ASSERT_EQ(platform().openCalls.size(), 1u);
        void* const owners[] = {&titled, &console, nullptr};
        EXPECT_EQ(platform().openCalls[0].owner, owners[row.owner]);
        EXPECT_EQ(platform().shownTitle, row.owner == 0 ? "4294967295/4242" : "");
        EXPECT_EQ(platform().consoleTitle, row.title.substr(0, 1023));
    }
}

// A cancel or a failure forgets the pick; a pick on a network drive is
// handed back in its share's form.
TEST_F(PickPathTest, EachDialogStartsAtThePreviousPick) {
    platform().driveTypes["N:"] = 4;
    platform().connections["N:"] = "\\\\server\\share";
    platform().accessible = {"\\\\server\\share\\dir"};
    struct Step {
        DialogScript dialog;
        std::string result;
        std::string initialDir;
    };
    const std::vector<Step> steps = {
        {DialogScript::pick("C:\\data\\a.txt"), "C:\\data\\a.txt", ""},
        {DialogScript::cancel(), "", "C:\\data"},
        {DialogScript::pick("C:\\data\\b.txt"), "C:\\data\\b.txt", ""},  // the cancel forgot the pick
        {DialogScript::fail(0x3003), "", "C:\\data"},
        {DialogScript::pick("N:\\dir\\f.txt"), "N:\\dir\\f.txt", ""},  // so did the failure
        {DialogScript::cancel(), "", "\\\\server\\share\\dir"},
    };
    for (const Step& step : steps) platform().dialogs.push_back(step.dialog);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pickPath(false), steps[i].result);
        ASSERT_EQ(platform().openCalls.size(), i + 1);
        EXPECT_EQ(platform().openCalls[i].initialDir, steps[i].initialDir);
        EXPECT_EQ(platform().openCalls[i].title, "Open");
        EXPECT_EQ(platform().openCalls[i].filter.size(), 21u);
    }
    EXPECT_EQ(standardError(), "3003\n");
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
    EXPECT_EQ(platform().messages[1].text, "C:\\data");
}

}  // namespace
}  // namespace pickpath
