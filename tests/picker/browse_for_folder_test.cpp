#include "picker/browse_for_folder.h"

#include <tuple>

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using fake::DialogScript;

using BrowseForFolderTest = FakePlatformTest;

// The record, and the selection the callback sends once the browser is ready;
// under 932, where the second byte of ソ (83 5C) is no separator.
TEST_F(BrowseForFolderTest, FillsTheRecordAndTheInitialSelection) {
    fake::useCodePage(932);
    const std::string dbcs = "T:\\dbcs\\" + doublebyte::kSource;
    addFile(dbcs + ".txt");
    addDirectory("C:\\data");
    struct Row {
        std::string initialPath;
        std::string selection;
    };
    const std::vector<Row> rows = {
        {"C:\\data", "C:\\data"},
        {"", "\\"},
        {"\\file", ""},
        {"C:\\nowhere\\gone", "C:\\nowhere"},  // the folder's existence is never asked
        {"C:/data/report.txt", "C:/data"},
        {dbcs + ".txt", "T:\\dbcs"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("initial path [" + row.initialPath + "]");
        platform().messages.clear();
        platform().browseCalls.clear();
        int owner;
        EXPECT_EQ(browseForFolder(&owner, row.initialPath, "Pick a folder"), "");
        ASSERT_EQ(platform().browseCalls.size(), 1u);
        const fake::BrowseCall& call = platform().browseCalls[0];
        EXPECT_EQ(std::tie(call.owner, call.title, call.flags),
                  std::make_tuple(platform::WindowHandle(&owner), std::string("Pick a folder"), 0x241u));
        ASSERT_EQ(platform().messages.size(), 1u);
        EXPECT_EQ(platform().messages[0].message, 0x466u);
        EXPECT_EQ(platform().messages[0].wParam, 1u);
        EXPECT_EQ(platform().messages[0].text, row.selection);
        // Sent to the browser's own window, and only for the ready message.
        const platform::WindowHandle window = platform().messages[0].window;
        EXPECT_TRUE(window != nullptr && window != &owner);
        EXPECT_EQ(call.callbackResults, (std::vector<int>{1, 0}));
    }
}

// Every answer is converted and released once, and only then is the apartment
// undone (a cancel releases nothing); only a path with an exact ANSI text that
// fits in 270 bytes comes back, and nothing is written.
TEST_F(BrowseForFolderTest, Answers) {
    struct Row {
        std::string name;
        DialogScript script;
        std::string result;
    };
    const std::vector<Row> rows = {
        {"a folder", DialogScript::pick("C:\\data\\sub\\"), "C:\\data\\sub\\"},
        {"item without a path", DialogScript::pick(""), ""},
        {"the longest path that fits", DialogScript::pick(std::string(269, 'a')), std::string(269, 'a')},
        {"one byte more", DialogScript::pick(std::string(270, 'a')), ""},
        {"folder beyond the code page by its short name", DialogScript::pick(L"C:\\\u043f\u0430\u043f\u043a\u0430"),
         "C:\\____~ITT"},
        {"folder beyond the code page without a short name", DialogScript::pick(L"C:\\\u0444"), ""},
        {"cancel", DialogScript::cancel(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake::reset();
        platform().shortPaths[L"C:\\\u043f\u0430\u043f\u043a\u0430"] = L"C:\\____~ITT";
        platform().longPaths[L"C:\\____~ITT"] = L"C:\\\u043f\u0430\u043f\u043a\u0430";
        platform().dialogs = {row.script};
        EXPECT_EQ(browseForFolder(nullptr, "C:\\data", ""), row.result);
        std::vector<std::string> steps = {"initializeComponents", "browseForFolder", "uninitializeComponents"};
        const bool picked = row.script.kind == DialogScript::Kind::kPick;
        if (picked) steps.insert(steps.begin() + 2, {"getPathFromIdList", "freeIdList"});
        EXPECT_EQ(platform().apartmentSteps, steps);
    }
    EXPECT_EQ(standardError(), "");
}

}  // namespace
}  // namespace pickpath
