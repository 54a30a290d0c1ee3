#include "pathutil/path_helpers.h"

#include "tests/support/double_byte.h"
#include "tests/support/fake_platform_test.h"
#include "tests/support/reference_normalize.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace pickpath {
namespace {

using namespace std::string_literals;

// The rows that pin the rule itself; the sweeps below hold every other shape.
TEST(NormalizeSeparators, Table) {
    // A path, then its form with the backslash and with the slash as separator.
    const std::vector<std::array<std::string, 3>> rows = {
        {"\\\\server\\share/x", "\\\\server\\share\\x", "//server/share/x"},
        {"//server//share/", "\\\\server\\share", "//server/share"},
        {"\\\\\\server", "\\\\server", "//server"},
        {"C:\\a\\//b", "C:\\a\\b", "C:/a/b"},
        {"C://x", "C:\\\\x", "C://x"},
        {"C:\\", "C:", "C:"},
        {"a\\\\\\", "a\\", "a/"},
        {"///", "\\", "/"},
        {"//", "", ""},
        {"./a/../b", ".\\a\\..\\b", "./a/../b"},
        {"C:/'a/b'", "C:\\'a/b'", "C:/'a/b'"},
        {"C:\\'a\\b'", "C:\\'a\\b'", "C:/'a\\b'"},
        {"a\\b\0/c"s, "a\\b", "a/b"},
    };
    for (const auto& [path, withBackslash, withSlash] : rows) {
        SCOPED_TRACE("path [" + path + "]");
        EXPECT_EQ(normalizeSeparators(path, '\\'), withBackslash);
        EXPECT_EQ(normalizeSeparators(path, '/'), withSlash);
        EXPECT_EQ(reference::normalize(path, '\\'), withBackslash);
    }
}

using PathHelpersByCharacter = FakePlatformTest;

// Every path of up to six characters over a letter, both separators and a quote
// in 1252; random paths whose double-byte characters end in a separator, a
// quote or '|' in 932, 936 and 950.
TEST_F(PathHelpersByCharacter, NormalizeMatchesTheReference) {
    std::vector<std::pair<unsigned, std::string>> paths = {{1252, ""}};
    for (std::size_t from = 0; paths[from].second.size() < 6; ++from) {
        for (char c : {'a', '\\', '/', '\''}) paths.push_back({1252, paths[from].second + c});
    }
    const std::vector<std::string> alphabet = {"a", "\\", "/", "\\", "/", "'", "\x83\x5C", "\x95\x5C",
                                               "\x81\x2F", "\x83\x7C", "\x83", "\x83\x27"};
    std::mt19937 random(11);
    for (unsigned codePage : {932u, 936u, 950u}) {
        for (int round = 0; round < 2000; ++round) {
            std::string path;
            for (std::size_t n = random() % 10; n > 0; --n) path += alphabet[random() % alphabet.size()];
            paths.push_back({codePage, path});
        }
    }
    for (const auto& [codePage, path] : paths) {
        fake::useCodePage(codePage);
        for (char separator : {'\\', '/'}) {
            ASSERT_EQ(normalizeSeparators(path, separator),
                      reference::normalize(path, separator, platform().leadBytes))
                << "code page " << codePage << " path [" << path << "] separator " << separator;
        }
    }
}

// A second byte 0x5C (in 932, 936 and 950) is part of its character, never a
// separator; in a single-byte code page the same bytes are two characters.
TEST_F(PathHelpersByCharacter, SecondByteIsNeverASeparator) {
    for (const doublebyte::PathRow& row : doublebyte::pathRows()) {
        SCOPED_TRACE("code page " + std::to_string(row.codePage) + ", path [" + row.path + "]");
        fake::useCodePage(row.codePage);
        EXPECT_EQ(normalizeSeparators(row.path, '\\'), row.normalized);
        EXPECT_EQ(parentDirectory(row.path), row.parent);
    }
}

TEST(ParentDirectory, Table) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"C:\\dir\\file.txt", "C:\\dir"},
        {"C:\\", "C:"},
        {"C:/a/b", "C:/a"},
        {"a/b\\c/d", "a/b"},
        {"\\\\server\\share", "\\\\server"},
        {"\\file", ""},
        {"file.txt", "\\"},
        {"", "\\"},
        {"a\\b\0c\\d"s, "a"},
    };
    for (const auto& [path, parent] : rows) {
        SCOPED_TRACE("path [" + path + "]");
        EXPECT_EQ(parentDirectory(path), parent);
        EXPECT_EQ(parentDirectory(path.c_str()), parent);
    }
}

using FindChar = FakePlatformTest;

// Under 932 the second byte of ソ (83 5C) is never a match.
TEST_F(FindChar, Cases) {
    EXPECT_EQ(findChar("/abc", '/', 0), 0u);
    EXPECT_EQ(findChar("abc", '/', 0), npos);
    EXPECT_EQ(findChar("abc", 'a', 3), npos);
    EXPECT_EQ(findChar("a/b/c", '/', 2), 3u);
    EXPECT_EQ(findChar("ab\0/"s, '/', 0), npos);
    EXPECT_EQ(findChar("abc", '\0', 0), npos);
    fake::useCodePage(932);
    EXPECT_EQ(findChar("C:" + doublebyte::kHyo + "\\x", '\\', 0), 4u);
    EXPECT_EQ(findChar(doublebyte::kSo + "/", '/', 0), 2u);
    EXPECT_EQ(findChar(doublebyte::kSo, '\\', 0), npos);
}

}  // namespace
}  // namespace pickpath
