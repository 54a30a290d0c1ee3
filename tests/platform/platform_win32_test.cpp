// The Windows layer's text conversions against the real ANSI code page. The
// same cases run once per code page (1252, 1251, 1250, 932, 65001), each in a
// Wine process whose locale selects it; PICKPATH_CODE_PAGE names the one the
// run is for, so a locale that did not take effect fails instead of testing
// 1252 again.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/platform_win32.h"

namespace pickpath::platform {
namespace {

using namespace std::string_literals;

constexpr std::uint32_t kInvalidFileName = 0x3002;
constexpr std::uint32_t kBufferTooSmall = 0x3003;

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
    {65001,
     {{"Cyrillic", L"\u0444\u0430\u0439\u043b", 0, "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB"},
      {"kanji", L"\u65e5\u672c", 0, "\xE6\x97\xA5\xE6\x9C\xAC"},
      {"a surrogate pair", L"\xd83d\xde00", 0, "\xF0\x9F\x98\x80"},
      {"a lone low surrogate", L"\xde00.txt", kInvalidFileName, ""}}},
};

TEST(NarrowAnsiExact, RunsInTheCodePageAskedFor) { ASSERT_EQ(GetACP(), expectedCodePage()); }

TEST(NarrowAnsiExact, OnlyExactFormsComeBack) {
    const auto rows = kRowsByCodePage.find(GetACP());
    ASSERT_NE(rows, kRowsByCodePage.end()) << "no rows for code page " << GetACP();
    std::vector<NarrowRow> all = kCommonRows;
    all.insert(all.end(), rows->second.begin(), rows->second.end());
    for (const NarrowRow& row : all) {
        SCOPED_TRACE(row.name);
        std::string buffer(32, '\0');
        EXPECT_EQ(narrowAnsiExact(row.text.c_str(), &buffer[0], 32), row.code);
        EXPECT_EQ(buffer.c_str(), row.bytes);
    }
}

TEST(NarrowAnsiExact, MustFitWithItsNul) {
    struct Row {
        std::size_t length;
        std::uint32_t code;
    };
    for (const Row& row : std::vector<Row>{{25999, 0}, {26000, kBufferTooSmall}}) {
        SCOPED_TRACE(row.length);
        const std::wstring text(row.length, L'a');
        std::string buffer(26000, '\0');
        EXPECT_EQ(narrowAnsiExact(text.c_str(), &buffer[0], 26000), row.code);
        EXPECT_EQ(std::string(buffer.c_str()).size(), row.code == 0 ? row.length : 0);
    }
}

TEST(WidenAnsi, KeepsInnerNuls) {
    struct Row {
        std::string name;
        std::string text;
        std::wstring wide;
    };
    const std::map<unsigned, Row> codePageRow = {
        {1252, {"code page byte", "caf\xE9", L"caf\u00e9"}},
        {1251, {"code page byte", "\xF4", L"\u0444"}},
        {1250, {"code page byte", "\xA3", L"\u0141"}},
        {932, {"double-byte character", "\x93\xFA", L"\u65e5"}},
        {65001, {"UTF-8 sequence", "\xC3\xA9", L"\u00e9"}},
    };
    std::vector<Row> rows = {
        {"filter list", "All Files (*.*)\0*.*\0\0"s, L"All Files (*.*)\0*.*\0\0"s},
        {"empty", "", L""},
    };
    const auto extra = codePageRow.find(GetACP());
    if (extra != codePageRow.end()) rows.push_back(extra->second);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(widenAnsi(row.text.data(), row.text.size()), row.wide);
    }
}

}  // namespace
}  // namespace pickpath::platform
