// The Windows layer's conversions, and the path helpers and status query, in the
// real ANSI code page: one Wine run per code page, chosen by its locale.
// PICKPATH_CODE_PAGE names it, so a locale that did not take effect fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "pathutil/file_status.h"
#include "pathutil/path_exists.h"
#include "pathutil/path_helpers.h"
#include "picker/open_file_dialog.h"
#include "platform/platform_win32.h"
#include "tests/support/double_byte.h"
#include "tests/support/temp_folder.h"

namespace pickpath::platform {
namespace {

using namespace std::string_literals;

constexpr std::uint32_t kInvalidFileName = 0x3002;

unsigned expectedCodePage() {
    const char* named = std::getenv("PICKPATH_CODE_PAGE");
    return named != nullptr ? static_cast<unsigned>(std::atoi(named)) : 1252u;
}

struct NarrowRow {
    std::string name;
    std::wstring text;
    std::uint32_t code;
    std::string bytes;
};

// What every code page answers alike.
const std::vector<NarrowRow> kCommonRows = {
    {"ASCII", L"C:\\data\\a.txt", 0, "C:\\data\\a.txt"},
    {"empty", L"", 0, ""},
    {"lone surrogate", L"a\xd800z", kInvalidFileName, ""},
};

const std::map<unsigned, std::vector<NarrowRow>> kRowsByCodePage = {
    {1252,
     {{"e acute is 0xE9", L"T:\\caf\u00e9.txt", 0, "T:\\caf\xE9.txt"},
      {"euro sign is 0x80", L"\u20ac.txt", 0, "\x80.txt"},
      {"Cyrillic has no form", L"T:\\\u0444\u0430\u0439\u043b.txt", kInvalidFileName, ""},
      {"L stroke and z acute would be look-alikes", L"\u0141\u00f3d\u017a.txt", kInvalidFileName, ""},
      {"one lost letter among kept ones", L"caf\u00e9 \u4e00", kInvalidFileName, ""}}},
    {1251,
     {{"Cyrillic", L"\u0444\u0430\u0439\u043b.txt", 0, "\xF4\xE0\xE9\xEB.txt"},
      {"euro sign is 0x88", L"\u20ac", 0, "\x88"},
      {"Polish letters have no form", L"\u0141\u00f3d\u017a.txt", kInvalidFileName, ""},
      {"e acute has no form", L"caf\u00e9.txt", kInvalidFileName, ""}}},
    {1250,
     {{"Polish letters", L"\u0141\u00f3d\u017a.txt", 0, "\xA3\xF3\x64\x9F.txt"},
      {"e acute is 0xE9", L"caf\u00e9", 0, "caf\xE9"},
      {"Cyrillic has no form", L"\u0444\u0430\u0439\u043b.txt", kInvalidFileName, ""}}},
    {932,
     {{"kanji take two bytes each", L"\u65e5\u672c", 0, "\x93\xFA\x96\x7B"},
      {"halfwidth katakana takes one", L"\uff71", 0, "\xB1"},
      {"yen sign is never a backslash", L"C:\u00a5a", kInvalidFileName, ""},
      {"e acute has no form", L"caf\u00e9", kInvalidFileName, ""}}},
    {936,
     {{"a second byte 0x5C", L"\u8aa0", 0, doublebyte::kCheng},
      {"e acute is a pinyin letter", L"caf\u00e9", 0, "caf\xA8\xA6"},
      {"hangul has no form", L"\ud55c", kInvalidFileName, ""}}},
    {950,
     {{"a second byte 0x5C", L"\u529f", 0, doublebyte::kGong},
      {"e acute has no form", L"caf\u00e9", kInvalidFileName, ""}}},
    {949,
     {{"hangul", L"\ud55c", 0, doublebyte::kHan},
      {"e acute has no form", L"caf\u00e9", kInvalidFileName, ""}}},
    {65001,
     {{"Cyrillic", L"\u0444\u0430\u0439\u043b", 0, "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB"},
      {"kanji", L"\u65e5\u672c", 0, "\xE6\x97\xA5\xE6\x9C\xAC"},
      {"a surrogate pair", L"\xd83d\xde00", 0, "\xF0\x9F\x98\x80"},
      {"a lone low surrogate", L"\xde00.txt", kInvalidFileName, ""}}},
};

TEST(NarrowExact, RunsInTheCodePageAskedFor) { ASSERT_EQ(GetACP(), expectedCodePage()); }

// The rows of the code page this process runs in, after the common ones.
std::vector<NarrowRow> rowsOfThisCodePage() {
    std::vector<NarrowRow> all = kCommonRows;
    const auto rows = kRowsByCodePage.find(GetACP());
    if (rows != kRowsByCodePage.end()) all.insert(all.end(), rows->second.begin(), rows->second.end());
    return all;
}

TEST(NarrowExact, OnlyExactFormsComeBack) {
    ASSERT_NE(kRowsByCodePage.count(GetACP()), 0u) << "no rows for code page " << GetACP();
    for (const NarrowRow& row : rowsOfThisCodePage()) {
        SCOPED_TRACE(row.name);
        const std::optional<std::string> narrow = narrowExact(row.text);
        EXPECT_EQ(narrow.has_value(), row.code == 0);
        EXPECT_EQ(narrow.value_or(""), row.bytes);
    }
}

// Every exact form widens back to its text; a filter list keeps its inner NULs.
TEST(WidenAnsi, UndoesEveryExactFormAndKeepsInnerNuls) {
    for (const NarrowRow& row : rowsOfThisCodePage()) {
        if (row.code != 0) continue;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(widenAnsi(row.bytes.data(), row.bytes.size()), row.text);
    }
    const std::string list = "All Files (*.*)\0*.*\0\0"s;
    EXPECT_EQ(widenAnsi(list.data(), list.size()), L"All Files (*.*)\0*.*\0\0"s);
}

// In the real ANSI code page a second byte 0x5C is never a separator.
TEST(PathHelpersInCodePage, SecondByteIsNeverASeparator) {
    int checked = 0;
    for (const doublebyte::PathRow& row : doublebyte::pathRows()) {
        if (row.codePage != GetACP()) continue;
        SCOPED_TRACE("path [" + row.path + "]");
        ++checked;
        EXPECT_EQ(normalizeSeparators(row.path, '\\'), row.normalized);
        EXPECT_EQ(parentDirectory(row.path), row.parent);
    }
    EXPECT_GT(checked, 0) << "no rows for code page " << GetACP();
}

// A folder named by a character of the code page (one ending in 0x5C where there is
// one) holds a.txt, beside a decoy named as the folder's name run into the file's:
// a path with '/' in it reaches the file inside the folder, never the decoy.
TEST(FileStatusInCodePage, ReachesTheFileInsideTheFolder) {
    struct Name {
        std::wstring wide;
        std::string narrow;
    };
    const std::map<unsigned, Name> names = {
        {1252, {L"caf\u00e9", "caf\xE9"}},
        {1251, {L"\u0444", "\xF4"}},
        {1250, {L"\u0141", "\xA3"}},
        {932, {L"\u8868", doublebyte::kHyo}},
        {936, {L"\u904b", doublebyte::kYun}},
        {950, {L"\u8a31", doublebyte::kXu}},
        {949, {L"\ud55c", doublebyte::kHan}},
        {65001, {L"\u8868", doublebyte::kHyoUtf8}},
    };
    const auto name = names.find(GetACP());
    ASSERT_NE(name, names.end()) << "no name for code page " << GetACP();
    const TempFolder folder;
    const std::filesystem::path inside = std::filesystem::path(folder.path()) / name->second.wide;
    ASSERT_TRUE(std::filesystem::create_directory(inside));
    std::ofstream(inside / L"a.txt") << "inner";
    std::ofstream(std::filesystem::path(inside.wstring() + L"a.txt")) << "the decoy";
    std::string slashed = folder.path();
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    slashed += "/" + name->second.narrow;
    EXPECT_EQ(FileStatus(slashed + "\\a.txt").size(), 5);
    EXPECT_TRUE(pathExists(slashed + "/a.txt", false));
    EXPECT_FALSE(pathExists(slashed + "/b.txt", false));
}

// A file's final path names the same item, never in the verbatim form that
// "\\?\" or "\\?\UNC\" begins. (Wine names a share's file by a drive that maps it.)
TEST(FinalPath, ComesBackWithoutTheVerbatimPrefix) {
    const TempFolder folder;
    const std::string shared =
        "\\\\localhost\\share\\pickpath-final-" + std::to_string(GetCurrentProcessId()) + ".txt";
    for (const std::string& path : {folder / "final.txt", shared}) {
        SCOPED_TRACE(path);
        std::ofstream(path) << "x";
        const std::wstring wide(path.begin(), path.end());  // ASCII paths
        const std::wstring final = finalPath(wide);
        EXPECT_EQ(final.find(L'?'), std::wstring::npos) << std::string(final.begin(), final.end());
        const std::optional<FileIdentity> item = fileIdentity(wide, FileView::kProcess);
        ASSERT_TRUE(item.has_value());
        EXPECT_EQ(fileIdentity(final, FileView::kProcess), item);
        std::remove(path.c_str());
    }
}

TEST(SameFileName, IgnoresCase) {
    EXPECT_TRUE(sameFileName(L"C:\\Windows", L"c:\\WINDOWS"));
    EXPECT_FALSE(sameFileName(L"C:\\Windows", L"C:\\Windows2"));
    // Windows folds every letter; Wine's runtime folds Cyrillic anyway, so under Wine this cannot fail.
    EXPECT_TRUE(sameFileName(L"C:\\\u041f\u0430\u043f\u043a\u0430", L"C:\\\u043f\u0410\u041f\u041a\u0410"));
}

// The dialog's record, with no dialog shown: one-line filters (one lacking its
// closing '|') as lists through their closing pair, the folder, owner, flags and buffer.
TEST(OpenFileRecord, HoldsWhatTheDialogIsHanded) {
    const std::vector<std::tuple<std::string, std::wstring, std::string>> rows = {
        {"", L"All Files (*.*)\0*.*\0\0"s, ""}, {"Text|*.txt", L"Text\0*.txt\0\0"s, "T:\\dir"}};
    for (const auto& [filter, list, folder] : rows) {
        SCOPED_TRACE("filter [" + filter + "]");
        const std::string filters = filterList(filter);
        OpenFileTexts texts;
        const OPENFILENAMEW record = openFileRecord(
            {&texts, filters.c_str(), 0, 26000, folder.c_str(), "", OFN_HIDEREADONLY}, texts);
        EXPECT_EQ(std::tie(record.lStructSize, record.hwndOwner, record.Flags, record.nMaxFile,
                           record.lpstrFilter, record.lpstrFile),
                  std::make_tuple(DWORD{OPENFILENAME_SIZE_VERSION_400W}, HWND(&texts), DWORD{OFN_HIDEREADONLY},
                                  DWORD{26000}, texts.filter.c_str(), &texts.file[0]));
        EXPECT_EQ(texts.filter, list);
        EXPECT_STREQ(record.lpstrInitialDir, std::wstring(folder.begin(), folder.end()).c_str());
        EXPECT_EQ(texts.file, std::wstring(26000, L'\0'));
    }
}

}  // namespace
}  // namespace pickpath::platform
