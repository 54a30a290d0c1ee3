#include "strutil/split.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"
#include "tests/support/reference_normalize.h"

namespace pickpath {
namespace {

using namespace std::string_literals;

// The rows that pin the rule, for the product and the reference splitter alike.
TEST(SplitOnAny, Table) {
    struct Row {
        std::string text;
        std::string delimiters;
        StringList pieces;
    };
    const std::vector<Row> rows = {
        {"a/b//c", "/", {"a", "b", "", "c"}},
        {"a/", "/", {"a"}},
        {"a//", "/", {"a", ""}},
        {"'x/y'/z", "/", {"'x/y'", "z"}},
        {"'ab'cd/e", "/", {"'ab'cd", "e"}},
        {"x\\'a\\b'c\\d", "\\", {"x", "'a\\b'c", "d"}},
        {"a'b/c'/d", "/", {"a'b", "c'", "d"}},
        {"'unterminated/a", "/", {"'unterminated/a"}},
        {"'", "/", {"'"}},
        {"\"a'/b\"/c", "/", {"\"a'/b\"", "c"}},  // each quote is closed only by its own kind
        {"'a\"/b'/c", "/", {"'a\"/b'", "c"}},
        {"a/b\\c", "", {"a/b\\c"}},  // an empty set, as a NUL delimiter gives, cuts nothing
        {"a/b\0c/d"s, "/", {"a", "b"}},
        {"a/b\\c;d", "/\\", {"a", "b", "c;d"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("text [" + row.text + "] on [" + row.delimiters + "]");
        EXPECT_EQ(splitOnAny(row.text, row.delimiters.c_str()), row.pieces);
        EXPECT_EQ(reference::split(row.text, row.delimiters), row.pieces);
    }
}

using SplitByCharacter = FakePlatformTest;

// Random texts over delimiters, quotes, a NUL and double-byte characters ending in a
// delimiter or a quote, in 1252 and 932, against the reference, on one delimiter and on two.
TEST_F(SplitByCharacter, MatchesTheReference) {
    const std::vector<std::string> alphabet = {"a", "/", "\\", ";", "'", "\"", "\0"s, "\x83\x5C",
                                               "\x83\x7C", "\x81\x2F", "\x83\x27", "\x83"};
    std::mt19937 random(5);
    for (unsigned codePage : {1252u, 932u}) {
        fake::useCodePage(codePage);
        for (int round = 0; round < 3000; ++round) {
            std::string text;
            for (std::size_t n = random() % 12; n > 0; --n) text += alphabet[random() % alphabet.size()];
            SCOPED_TRACE("code page " + std::to_string(codePage) + " [" + text + "]");
            for (const std::string delimiters : {"/", "\\", "\"", "", "/\\"}) {
                const StringList want = reference::split(text, delimiters, platform().leadBytes);
                ASSERT_EQ(splitOnAny(text, delimiters.c_str()), want) << "on [" << delimiters << "]";
                if (delimiters.size() <= 1) {
                    ASSERT_EQ(splitString(text, delimiters.c_str()[0]), want);
                }
            }
        }
    }
}

// Under 932 ソ is 83 5C and ポ 83 7C: a second byte is never a delimiter or a
// quote. The same bytes in a single-byte code page are two characters.
TEST_F(SplitByCharacter, SecondByteIsNeverADelimiterOrAQuote) {
    using namespace doublebyte;
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
    }
}

}  // namespace
}  // namespace pickpath
