// The Windows layer's text conversions against the real code page: the Wine
// test prefix runs with the ANSI code page 1252 (LANG=C.UTF-8).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform_win32.h"

namespace pickpath::platform {
namespace {

using namespace std::string_literals;

constexpr std::uint32_t kInvalidFileName = 0x3002;
constexpr std::uint32_t kBufferTooSmall = 0x3003;

TEST(NarrowAnsiExact, OnlyExactFormsComeBack) {
    ASSERT_EQ(GetACP(), 1252u) << "these rows are for code page 1252";
    struct Row {
        std::string name;
        std::wstring text;
        std::uint32_t code;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"ASCII", L"C:\\data\\a.txt", 0, "C:\\data\\a.txt"},
        {"e acute is 0xE9", L"T:\\caf\u00e9.txt", 0, "T:\\caf\xE9.txt"},
        {"euro sign is 0x80", L"\u20ac.txt", 0, "\x80.txt"},
        {"empty", L"", 0, ""},
        {"Cyrillic has no form", L"T:\\\u0444\u0430\u0439\u043b.txt", kInvalidFileName, ""},
        {"L stroke and z acute would be look-alikes", L"\u0141\u00f3d\u017a.txt", kInvalidFileName, ""},
        {"one lost letter among kept ones", L"caf\u00e9 \u4e00", kInvalidFileName, ""},
        {"lone surrogate", L"a\xd800z", kInvalidFileName, ""},
    };
    for (const Row& row : rows) {
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
    const std::vector<Row> rows = {
        {"filter list", "All Files (*.*)\0*.*\0\0"s, L"All Files (*.*)\0*.*\0\0"s},
        {"code page byte", "caf\xE9", L"caf\u00e9"},
        {"empty", "", L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(widenAnsi(row.text.data(), row.text.size()), row.wide);
    }
}

}  // namespace
}  // namespace pickpath::platform
