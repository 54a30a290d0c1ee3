#include "picker/browse_for_folder.h"

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using fake::DialogScript;

class BrowseForFolderTest : public FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        addDirectory("C:\\data");
        addFile("C:\\data\\report.txt");
    }
};

// The selection the callback sends once the browser is ready; under 932,
// where the second byte of ソ (83 5C) is no separator.
TEST_F(BrowseForFolderTest, InitialSelection) {
    fake::useCodePage(932);
    const std::string dbcs = "T:\\dbcs\\" + doublebyte::kSource;
    addFile(dbcs + ".txt");
    addDirectory(dbcs);
    struct Row {
        std::string initialPath;
        std::string selection;
    };
    const std::vector<Row> rows = {
        {"C:\\data", "C:\\data"},
        {"C:\\data\\report.txt", "C:\\data"},
        {"", "\\"},
        {"\\file", ""},
        {"C:\\nowhere\\gone", "C:\\nowhere"},
        {"C:/data/report.txt", "C:/data"},
        {dbcs + ".txt", "T:\\dbcs"},
        {dbcs, dbcs},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("initial path [" + row.initialPath + "]");
        platform().messages.clear();
        platform().browseCalls.clear();
        EXPECT_EQ(browseForFolder(nullptr, row.initialPath, ""), "");
        ASSERT_EQ(platform().messages.size(), 1u);
        EXPECT_EQ(platform().messages[0].message, 0x466u);
        EXPECT_EQ(platform().messages[0].wParam, 1u);
        EXPECT_EQ(platform().messages[0].text, row.selection);
        // Sent to the browser's own window, and only for the ready message.
        EXPECT_NE(platform().messages[0].window, nullptr);
        EXPECT_EQ(platform().browseCalls[0].callbackResults, (std::vector<int>{1, 0}));
    }
    // No existence test for the browser's folder: only the path's own status is asked.
    for (const std::string& call : platform().log) EXPECT_EQ(call.rfind("access", 0), std::string::npos);
}

TEST_F(BrowseForFolderTest, FillsTheBrowseRecord) {
    int owner;
    const std::string title = "Pick a folder";
    browseForFolder(&owner, "C:\\data", title);
    ASSERT_EQ(platform().browseCalls.size(), 1u);
    const fake::BrowseCall& call = platform().browseCalls[0];
    EXPECT_EQ(call.owner, &owner);
    EXPECT_EQ(call.title, title);
    EXPECT_EQ(call.flags, 0x241u);
    EXPECT_TRUE(call.hasCallback);
}

TEST_F(BrowseForFolderTest, ChosenFolderIsConvertedThenReleasedOnce) {
    platform().dialogs = {DialogScript::pick("C:\\data\\sub\\")};
    EXPECT_EQ(browseForFolder(nullptr, "C:\\data", ""), "C:\\data\\sub\\");
    EXPECT_EQ(platform().freedIdLists, 1);
    EXPECT_EQ(platform().liveIdLists, 0);
    const auto& log = platform().log;
    const auto converted = std::find(log.begin(), log.end(), "getPathFromIdList 270");
    const auto released = std::find(log.begin(), log.end(), "freeIdList");
    ASSERT_NE(converted, log.end());
    ASSERT_NE(released, log.end());
    EXPECT_LT(converted, released);
}

TEST_F(BrowseForFolderTest, ItemWithoutPathGivesEmptyButIsReleased) {
    platform().dialogs = {DialogScript::pick("")};
    EXPECT_EQ(browseForFolder(nullptr, "C:\\data", ""), "");
    EXPECT_EQ(platform().freedIdLists, 1);
}

TEST_F(BrowseForFolderTest, CancelReleasesNothingAndWritesNothing) {
    platform().dialogs = {DialogScript::cancel()};
    EXPECT_EQ(browseForFolder(nullptr, "C:\\data", ""), "");
    EXPECT_EQ(platform().freedIdLists, 0);
    EXPECT_EQ(standardError(), "");
}

TEST_F(BrowseForFolderTest, CallbackIgnoresOtherMessages) {
    const char folder[] = "C:\\data";
    for (std::uint32_t message : {0u, 2u, 3u, 4u, 0x466u}) {
        EXPECT_EQ(browseCallback(nullptr, message, 0, reinterpret_cast<std::intptr_t>(folder)), 0);
    }
    EXPECT_TRUE(platform().messages.empty());
}

}  // namespace
}  // namespace pickpath
