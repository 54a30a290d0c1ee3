#include "strutil/replace_char.h"

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pickpath {
namespace {

using namespace std::string_literals;

TEST(ReplaceChar, Cases) {
    struct Row {
        std::string name;
        std::string text;
        char from;
        char to;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"empty text", "", '|', '\0', ""},
        {"no occurrence", "abc", '|', '\0', "abc"},
        {"from equals to", "a|b", '|', '|', "a|b"},
        {"default filter", "All Files (*.*)|*.*||", '|', '\0', "All Files (*.*)\0*.*\0\0"s},
        {"NUL inside the length is replaced", "a\0b\0"s, '\0', '-', "a-b-"},
        {"high-bit bytes by value", "\xE9t\xE9", '\xE9', 'e', "ete"},
        {"no case folding", "aAa", 'a', 'x', "xAx"},
        {"text after a NUL is kept", "a|b\0c|d"s, '|', '/', "a/b\0c/d"s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string got = replaceChar(row.text, row.from, row.to);
        EXPECT_EQ(got, row.want);
        EXPECT_EQ(got.size(), row.text.size());
    }
}

TEST(ReplaceChar, DefaultFilterHasNulsAtTheRightPlaces) {
    const std::string got = replaceChar("All Files (*.*)|*.*||", '|', '\0');
    ASSERT_EQ(got.size(), 21u);
    for (std::size_t i : {15u, 19u, 20u}) EXPECT_EQ(got[i], '\0') << i;
    EXPECT_EQ(got.c_str(), std::string("All Files (*.*)"));
    EXPECT_EQ(std::string(got.c_str() + 16), "*.*");
    EXPECT_EQ(got.c_str()[21], '\0');
}

using ReplaceCharByCharacter = FakePlatformTest;

// Under 932 ポ is 83 7C: its second byte is no '|'. The same bytes in a
// single-byte code page are two characters.
TEST_F(ReplaceCharByCharacter, SecondByteNeverMatches) {
    const std::string report = doublebyte::kReport;  // レポート
    struct Row {
        unsigned codePage;
        std::string text;
        char from;
        char to;
        std::string want;
    };
    const std::vector<Row> rows = {
        {932, report + " (*.txt)|*.txt||", '|', '\0', report + " (*.txt)\0*.txt\0\0"s},
        {932, doublebyte::kSo + "\\", '\\', '/', doublebyte::kSo + "/"},
        {932, "\x83", '\x83', '/', "/"},            // a lone lead byte is a character of its own
        {932, "\x83\0|"s, '\0', '/', "\x83/|"},     // a NUL is never a second byte
        {1252, report + "|", '|', '/', "\x83\x8C\x83/\x81\x5B\x83\x67/"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("code page " + std::to_string(row.codePage) + " [" + row.text + "]");
        fake::useCodePage(row.codePage);
        EXPECT_EQ(replaceChar(row.text, row.from, row.to), row.want);
    }
}

}  // namespace
}  // namespace pickpath
