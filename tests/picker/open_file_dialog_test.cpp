#include "picker/open_file_dialog.h"

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using namespace std::string_literals;
using fake::DialogScript;

const std::string kDefaultFilterList = "All Files (*.*)\0*.*\0\0"s;

class OpenFileDialogTest : public FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        addDirectory("C:\\data");
        addFile("C:\\data\\report.txt");
        addDirectory("\\");
        addDirectory("C:/data");
        platform().accessErrors["\\\\server\\share"] = 0;
    }

    const fake::OpenFileCall& onlyCall() {
        EXPECT_EQ(platform().openCalls.size(), 1u);
        return platform().openCalls.back();
    }
};

// Under 932: the second byte of ソ (83 5C) is no separator.
TEST_F(OpenFileDialogTest, InitialDirectory) {
    fake::useCodePage(932);
    const std::string dbcs = "T:\\dbcs\\" + doublebyte::kSource;
    addDirectory("T:\\dbcs");
    addFile(dbcs + ".txt");
    addDirectory(dbcs);
    struct Row {
        std::string initialPath;
        std::string initialDir;
    };
    const std::vector<Row> rows = {
        {"", ""},
        {"C:\\data", "C:\\data"},
        {"C:\\data\\report.txt", "C:\\data"},
        {"C:\\data\\gone.txt", "C:\\data"},
        {"C:\\nowhere\\gone.txt", ""},
        {"\\\\server\\share\\f.txt", "\\\\server\\share"},
        {"\\\\other\\share\\f.txt", ""},
        {"notes.txt", "\\"},
        {"C:/data/report.txt", "C:/data"},
        {dbcs + ".txt", "T:\\dbcs"},
        {dbcs, dbcs},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("initial path [" + row.initialPath + "]");
        platform().openCalls.clear();
        EXPECT_EQ(openFileDialog(nullptr, row.initialPath, "", "Open"), "");
        EXPECT_EQ(onlyCall().initialDir, row.initialDir);
    }
}

TEST_F(OpenFileDialogTest, FillsTheDialogRecord) {
    int owner;
    openFileDialog(&owner, "C:\\data\\report.txt", "All Files (*.*)|*.*||", "Open");
    const fake::OpenFileCall& call = onlyCall();
    EXPECT_EQ(call.owner, &owner);
    EXPECT_EQ(call.filter, kDefaultFilterList);
    EXPECT_EQ(call.filter.size(), 21u);
    EXPECT_EQ(call.filterIndex, 0u);
    EXPECT_EQ(call.maxFile, 26000u);
    EXPECT_TRUE(call.fileBufferAllNul);
    EXPECT_EQ(call.title, "Open");
    EXPECT_EQ(call.flags, 4u);
}

// Under 932, where ポ is 83 7C: only whole '|' characters separate.
TEST_F(OpenFileDialogTest, Filters) {
    fake::useCodePage(932);
    const std::string report = doublebyte::kReport;
    struct Row {
        std::string filter;
        std::string list;
    };
    const std::vector<Row> rows = {
        {"", kDefaultFilterList},
        {"Text (*.txt)|*.txt|All|*.*||", "Text (*.txt)\0*.txt\0All\0*.*\0\0"s},
        // A missing closing '|' must not let the list run past its end.
        {"Text|*.txt", "Text\0*.txt\0\0"s},
        {"Text|*.txt|", "Text\0*.txt\0\0"s},
        // The text ends at its first NUL, like every text handed to the platform.
        {"\0x"s, kDefaultFilterList},
        {"Text|*.txt||\0Other|*.o||"s, "Text\0*.txt\0\0"s},
        {report + " (*.txt)|*.txt||", report + " (*.txt)\0*.txt\0\0"s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("filter [" + row.filter + "]");
        platform().openCalls.clear();
        openFileDialog(nullptr, "", row.filter, "");
        EXPECT_EQ(onlyCall().filter, row.list);
    }
}

TEST_F(OpenFileDialogTest, EmptyTitleIsAnEmptyText) {
    openFileDialog(nullptr, "", "", "");
    EXPECT_EQ(onlyCall().title, "");
}

TEST_F(OpenFileDialogTest, Outcomes) {
    struct Row {
        std::string name;
        DialogScript script;
        std::string result;
        std::string written;
    };
    const std::vector<Row> rows = {
        {"pick", DialogScript::pick("C:\\data\\report.txt"), "C:\\data\\report.txt", ""},
        {"cancel", DialogScript::cancel(), "", ""},
        {"buffer too small", DialogScript::fail(0x3003), "", "3003\n"},
        {"code ffff", DialogScript::fail(0xFFFF), "", "ffff\n"},
        {"code 1", DialogScript::fail(0x1), "", "1\n"},
        {"name in the code page", DialogScript::pick("C:\\caf\xE9.txt"), "C:\\caf\xE9.txt", ""},
        {"name beyond the code page", DialogScript::fail(0x3002), "", "3002\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake::reset();
        platform().dialogs = {row.script};
        const std::string before = standardError();
        EXPECT_EQ(openFileDialog(nullptr, "", "", "Open"), row.result);
        EXPECT_EQ(standardError().substr(before.size()), row.written);
    }
}

}  // namespace
}  // namespace pickpath
