#include "strutil/replace_char.h"

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"
#include "tests/support/reference_normalize.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pickpath {
namespace {

using namespace std::string_literals;

using ReplaceChar = FakePlatformTest;

// The default filter, and under 932 ポ, 83 7C, whose second byte is no '|'; the
// same bytes in a single-byte code page are two characters.
TEST_F(ReplaceChar, FilterAndSecondBytes) {
    const std::string report = doublebyte::kReport;  // レポート
    struct Row {
        unsigned codePage;
        std::string text;
        char from;
        char to;
        std::string want;
    };
    const std::vector<Row> rows = {
        {1252, "All Files (*.*)|*.*||", '|', '\0', "All Files (*.*)\0*.*\0\0"s},
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

// Random texts over letters, NULs, high-bit bytes, lead bytes and their second bytes,
// in 1252 and 932, against a replacement character by character over the full length.
TEST_F(ReplaceChar, MatchesReplacementByCharacter) {
    const std::string bytes = "aA|\\\0\xE9\x83\x5C\x7C"s;
    std::mt19937 random(3);
    for (unsigned codePage : {1252u, 932u}) {
        fake::useCodePage(codePage);
        for (int round = 0; round < 5000; ++round) {
            std::string text;
            for (std::size_t n = random() % 10; n > 0; --n) text += bytes[random() % bytes.size()];
            const char from = bytes[random() % bytes.size()];
            const char to = bytes[random() % bytes.size()];
            std::string want;
            for (const std::string& c : reference::characters(text, platform().leadBytes)) {
                want += c == std::string(1, from) ? std::string(1, to) : c;
            }
            ASSERT_EQ(replaceChar(text, from, to), want)
                << "code page " << codePage << " [" << text << "] " << from << " -> " << to;
        }
    }
}

}  // namespace
}  // namespace pickpath
