#include "picker/open_file_dialog.h"

#include <tuple>

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using namespace std::string_literals;
using fake::DialogScript;

const std::string kDefaultFilterList = "All Files (*.*)\0*.*\0\0"s;

using OpenFileDialogTest = FakePlatformTest;

const fake::OpenFileCall& onlyCall() {
    static const fake::OpenFileCall none{};
    EXPECT_EQ(fake::platform().openCalls.size(), 1u);
    return fake::platform().openCalls.empty() ? none : fake::platform().openCalls.back();
}

// The record, its folder by the initial path; under 932, where the second
// byte of ソ (83 5C) is no separator.
TEST_F(OpenFileDialogTest, FillsTheDialogRecord) {
    fake::useCodePage(932);
    const std::string dbcs = "T:\\dbcs\\" + doublebyte::kSource;
    addDirectory("T:\\dbcs");
    addFile(dbcs + ".txt");
    addDirectory("C:\\data");
    addDirectory("\\");
    platform().accessible = {"\\\\server\\share"};
    struct Row {
        std::string initialPath;
        std::string initialDir;
    };
    const std::vector<Row> rows = {
        {"", ""},
        {"C:\\data", "C:\\data"},
        {"C:\\data\\gone.txt", "C:\\data"},
        {"C:\\nowhere\\gone.txt", ""},
        {"\\\\server\\share\\f.txt", "\\\\server\\share"},
        {"notes.txt", "\\"},
        {"C:/data/report.txt", "C:/data"},
        {dbcs + ".txt", "T:\\dbcs"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("initial path [" + row.initialPath + "]");
        platform().openCalls.clear();
        int owner;
        EXPECT_EQ(openFileDialog(&owner, row.initialPath, "", "Open"), "");
        const fake::OpenFileCall& call = onlyCall();
        EXPECT_EQ(std::tie(call.initialDir, call.owner, call.filterIndex, call.maxFile, call.title, call.flags),
                  std::make_tuple(row.initialDir, platform::WindowHandle(&owner), 0u, 26000u, "Open"s, 4u));
    }
}

// Under 932, where ポ is 83 7C: only whole '|' characters separate.
TEST_F(OpenFileDialogTest, Filters) {
    fake::useCodePage(932);
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
        {doublebyte::kReport + " (*.txt)|*.txt||", doublebyte::kReport + " (*.txt)\0*.txt\0\0"s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("filter [" + row.filter + "]");
        platform().openCalls.clear();
        openFileDialog(nullptr, "", row.filter, "");
        EXPECT_EQ(onlyCall().filter, row.list);
    }
}

// Names beyond the fake's code page with their short names, and the long forms
// of what exists, in the disk's case; under WOW64 the system folder shows
// SysWOW64's items, while a 64-bit program finds its own or none there. "C:"
// (the current folder, the system folder) and a share without its separator
// name other items in each view.
void scriptNamesAndViews(fake::Platform& fake) {
    const std::wstring file = L"C:\\Long Folder\\\u0444\u0430\u0439\u043b.txt";
    const std::wstring folder = L"C:\\\u043f\u0430\u043f\u043a\u0430";
    const std::wstring sys = L"C:\\Windows\\System32", wow = L"C:\\Windows\\SysWOW64";
    fake.shortPaths = {{file, L"C:\\LONGFO~1\\____~QPQ.TXT"},
                       {L"C:\\LONG FOLDER\\\u0444\u0430\u0439\u043b.txt", L"C:\\LONGFO~1\\____~QPQ.TXT"},
                       {folder, L"C:\\____~KE1"},
                       {L"C:\\\u041f\u0410\u041f\u041a\u0410", L"C:\\____~KE1"},  // the folder in capitals
                       {L"C:\\sn\\\u0142.txt", L"C:\\sn\\\u0141~1.TXT"},  // a character the code page lacks
                       {L"C:\\sn\\\u0436.txt", L"C:\\sn\\____~X.TXT"},
                       {wow + L"\\\u0436.dll", wow + L"\\____~Y.DLL"}};
    fake.longPaths = {{L"C:\\Long Folder\\____~QPQ.TXT", file}, {L"C:\\LONG FOLDER\\____~QPQ.TXT", file},
                      {L"C:\\____~KE1", folder},
                      {L"C:\\sn\\____~X.TXT", L"C:\\sn\\other.txt"},  // another item
                      {wow + L"\\____~Y.DLL", wow + L"\\\u0436.dll"}};
    const auto item = [](std::uint64_t index) { return platform::FileIdentity{1, index}; };
    fake.processView = {{sys, item(1)}, {L"C:", item(1)}, {sys + L"\\only32.dll", item(2)},
                        {sys + L"\\both.dll", item(3)}, {sys + L"\\drivers\\etc\\hosts", item(4)},
                        {sys + L"\\lost.dll", item(5)}, {sys + L"\\moved.dll", item(8)},
                        {sys + L"\\\u0436.dll", item(9)}, {L"C:\\", item(10)},
                        {L"\\\\srv\\share\\", item(11)}, {L"\\\\srv\\share", item(12)}};
    fake.nativeView = {{sys, item(6)}, {L"C:", item(6)}, {wow, item(1)}, {wow + L"\\only32.dll", item(2)},
                       {sys + L"\\both.dll", item(7)}, {wow + L"\\both.dll", item(3)},
                       {sys + L"\\drivers\\etc\\hosts", item(4)}, {wow + L"\\\u0436.dll", item(9)},
                       {L"C:\\", item(10)}, {L"\\\\srv\\share\\", item(11)}, {L"\\\\srv\\share", item(13)}};
    fake.finalPaths = {{sys, wow}, {L"C:", wow}, {sys + L"\\only32.dll", wow + L"\\only32.dll"},
                       {sys + L"\\both.dll", wow + L"\\both.dll"},
                       {sys + L"\\moved.dll", wow + L"\\moved.dll"}, {sys + L"\\\u0436.dll", wow + L"\\\u0436.dll"}};
}

TEST_F(OpenFileDialogTest, Outcomes) {
    struct Row {
        std::string name;
        DialogScript script;
        std::string result;
        std::string written;
        bool redirected = false;  // a 32-bit process under WOW64
    };
    const std::vector<Row> rows = {
        {"cancel", DialogScript::cancel(), "", ""},
        {"buffer too small", DialogScript::fail(0x3003), "", "3003\n"},
        {"code ffff", DialogScript::fail(0xFFFF), "", "ffff\n"},
        {"code 1", DialogScript::fail(0x1), "", "1\n"},
        {"name in the code page", DialogScript::pick("C:\\caf\xE9.txt"), "C:\\caf\xE9.txt", ""},
        {"the longest path that fits", DialogScript::pick(std::string(25999, 'a')), std::string(25999, 'a'), ""},
        {"one byte more", DialogScript::pick(std::string(26000, 'a')), "", "3003\n"},
        {"name beyond the code page by its short name, the folder as it is",
         DialogScript::pick(L"C:\\Long Folder\\\u0444\u0430\u0439\u043b.txt"), "C:\\Long Folder\\____~QPQ.TXT", ""},
        {"name typed in another case than the disk's",
         DialogScript::pick(L"C:\\LONG FOLDER\\\u0444\u0430\u0439\u043b.txt"), "C:\\LONG FOLDER\\____~QPQ.TXT", ""},
        {"new name in a folder beyond the code page, by the folder's short name",
         DialogScript::pick(L"C:\\\u043f\u0430\u043f\u043a\u0430\\new.txt"), "C:\\____~KE1\\new.txt", ""},
        {"new name in such a folder typed in capitals, whose long form has small letters",
         DialogScript::pick(L"C:\\\u041f\u0410\u041f\u041a\u0410\\new.txt"), "C:\\____~KE1\\new.txt", ""},
        {"new name in a new subfolder of such a folder: the existing part decides",
         DialogScript::pick(L"C:\\\u043f\u0430\u043f\u043a\u0430\\nosub\\new.txt"), "C:\\____~KE1\\nosub\\new.txt", ""},
        {"new name in a folder beyond the code page without a short name",
         DialogScript::pick(L"C:\\\u0444\\new.txt"), "", "3002\n"},
        {"short name beyond the code page", DialogScript::pick(L"C:\\sn\\\u0142.txt"), "", "3002\n"},
        {"short name of another item", DialogScript::pick(L"C:\\sn\\\u0436.txt"), "", "3002\n"},
        {"WOW64: a file only SysWOW64 has", DialogScript::pick(L"C:\\Windows\\System32\\only32.dll"),
         "C:\\Windows\\SysWOW64\\only32.dll", "", true},
        {"WOW64: a file whose 64-bit copy differs", DialogScript::pick(L"C:\\Windows\\System32\\both.dll"),
         "C:\\Windows\\SysWOW64\\both.dll", "", true},
        {"WOW64: the same item in both views", DialogScript::pick(L"C:\\Windows\\System32\\drivers\\etc\\hosts"),
         "C:\\Windows\\System32\\drivers\\etc\\hosts", "", true},
        {"WOW64: a new name typed in the system folder", DialogScript::pick(L"C:\\Windows\\System32\\new.txt"),
         "C:\\Windows\\SysWOW64\\new.txt", "", true},
        {"WOW64: a listed item whose path cannot be named", DialogScript::pick(L"C:\\Windows\\System32\\lost.dll"),
         "", "3002\n", true},
        {"WOW64: a listed item's path that a 64-bit program finds nothing at",
         DialogScript::pick(L"C:\\Windows\\System32\\moved.dll"), "", "3002\n", true},
        {"WOW64: a name beyond the code page listed from SysWOW64",
         DialogScript::pick(L"C:\\Windows\\System32\\\u0436.dll"), "C:\\Windows\\SysWOW64\\____~Y.DLL", "", true},
        {"WOW64: a new name at a drive's root", DialogScript::pick(L"C:\\new.txt"), "C:\\new.txt", "", true},
        {"WOW64: a new name at a share's root", DialogScript::pick(L"\\\\srv\\share\\new.txt"),
         "\\\\srv\\share\\new.txt", "", true},
        {"WOW64: a path outside the redirected folders", DialogScript::pick("C:\\data\\report.txt"),
         "C:\\data\\report.txt", "", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake::reset();
        scriptNamesAndViews(platform());
        platform().redirected = row.redirected;
        platform().dialogs = {row.script};
        const std::string before = standardError();
        EXPECT_EQ(openFileDialog(nullptr, "", "", "Open"), row.result);
        EXPECT_EQ(standardError().substr(before.size()), row.written);
    }
}

}  // namespace
}  // namespace pickpath
