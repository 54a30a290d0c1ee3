#include "strutil/split.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

namespace pickpath {
namespace {

using namespace std::string_literals;

// Rows are written with '/' as delimiter and ' as quote; each row is also run
// with '\' and '"' in their places, which must behave the same.
struct Row {
    std::string text;
    StringList pieces;
};

const std::vector<Row> kRows = {
    {"a/b//c", {"a", "b", "", "c"}},
    {"/lead", {"", "lead"}},
    {"a/", {"a"}},
    {"a//", {"a", ""}},
    {"/", {""}},
    {"//", {"", ""}},
    {"", {}},
    {"'x/y'/z", {"'x/y'", "z"}},
    {"'ab'cd/e", {"'ab'cd", "e"}},
    {"'a'/'b/c'", {"'a'", "'b/c'"}},
    {"x/'a/b'c/d", {"x", "'a/b'c", "d"}},
    {"a'b/c'/d", {"a'b", "c'", "d"}},
    {"'unterminated/a", {"'unterminated/a"}},
    {"'", {"'"}},
    {"''/a", {"''", "a"}},
    {"plain", {"plain"}},
};

std::string swapped(std::string text, char delimiter, char quote) {
    std::replace(text.begin(), text.end(), '/', delimiter);
    std::replace(text.begin(), text.end(), '\'', quote);
    return text;
}

TEST(SplitString, Table) {
    for (const auto& [delimiter, quote] : std::vector<std::pair<char, char>>{
             {'/', '\''}, {'\\', '\''}, {'/', '"'}, {'\\', '"'}, {';', '"'}}) {
        for (const Row& row : kRows) {
            const std::string text = swapped(row.text, delimiter, quote);
            SCOPED_TRACE("text [" + text + "] delimiter " + delimiter);
            StringList want;
            for (const std::string& piece : row.pieces) want.push_back(swapped(piece, delimiter, quote));
            EXPECT_EQ(splitString(text, delimiter), want);
        }
    }
}

TEST(SplitString, QuoteIsClosedOnlyByItsOwnKind) {
    EXPECT_EQ(splitString("\"a'/b\"/c", '/'), (StringList{"\"a'/b\"", "c"}));
    EXPECT_EQ(splitString("'a\"/b'/c", '/'), (StringList{"'a\"/b'", "c"}));
    EXPECT_EQ(splitString("\"a'/b", '/'), (StringList{"\"a'/b"}));
}

TEST(SplitString, NulDelimiterMatchesNothing) {
    EXPECT_EQ(splitString("a/b\\c", '\0'), (StringList{"a/b\\c"}));
    EXPECT_EQ(splitString("", '\0'), StringList{});
}

TEST(SplitString, StopsAtTheFirstNul) {
    EXPECT_EQ(splitString("a/b\0c/d"s, '/'), (StringList{"a", "b"}));
    EXPECT_EQ(splitString("\0a/b"s, '/'), StringList{});
}

TEST(SplitOnAny, AnyCharacterOfTheSetEndsAPiece) {
    EXPECT_EQ(splitOnAny("a/b\\c;d", "/\\"), (StringList{"a", "b", "c;d"}));
    EXPECT_EQ(splitOnAny("'a/b'\\c", "/\\"), (StringList{"'a/b'", "c"}));
    EXPECT_EQ(splitOnAny("a/b", ""), (StringList{"a/b"}));
}

using SplitByCharacter = FakePlatformTest;

// Under 932 ソ is 83 5C and ポ 83 7C: a second byte is never a delimiter or a
// quote. The same bytes in a single-byte code page are two characters.
TEST_F(SplitByCharacter, SecondByteIsNeverADelimiterOrAQuote) {
    using doublebyte::kReport;
    using doublebyte::kSo;
    struct Row {
        unsigned codePage;
        std::string text;
        std::string delimiters;
        StringList pieces;
    };
    const std::vector<Row> rows = {
        {932, "C:\\dir\\" + kSo + "\\a.txt", "\\", {"C:", "dir", kSo, "a.txt"}},
        {932, kReport + "|*.txt", "|", {kReport, "*.txt"}},
        {932, "\x83\x83" + kSo + "\\a", "\\", {"\x83\x83" + kSo, "a"}},  // lead bytes pair from the first
        {932, "'a\x83'/b'/c", "/", {"'a\x83'/b'", "c"}},                     // a quote as second byte
        {932, "\x83\x83\x83", "\x83", {"\x83\x83"}},  // a lone lead byte at the end is a character
        {1252, "C:\\dir\\" + kSo + "\\a.txt", "\\", {"C:", "dir", "\x83", "", "a.txt"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("code page " + std::to_string(row.codePage) + " [" + row.text + "] on [" +
                     row.delimiters + "]");
        fake::useCodePage(row.codePage);
        EXPECT_EQ(splitOnAny(row.text, row.delimiters.c_str()), row.pieces);
        if (row.delimiters.size() == 1) {
            EXPECT_EQ(splitString(row.text, row.delimiters[0]), row.pieces);
        }
    }
}

}  // namespace
}  // namespace pickpath
