#include "pathutil/path_helpers.h"

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

TEST(NormalizeSeparators, Table) {
    struct Row {
        std::string path;
        std::string withBackslash;
        std::string withSlash;
    };
    const std::vector<Row> rows = {
        {"a/b\\c", "a\\b\\c", "a/b/c"},
        {"\\\\server\\share/x", "\\\\server\\share\\x", "//server/share/x"},
        {"//server//share/", "\\\\server\\share", "//server/share"},
        {"\\\\\\server", "\\\\server", "//server"},
        {"C:\\a\\\\b", "C:\\a\\b", "C:/a/b"},
        {"C:\\a\\//b", "C:\\a\\b", "C:/a/b"},
        {"a/b//c", "a\\b\\c", "a/b/c"},
        {"a//b", "a\\\\b", "a//b"},
        {"C://x", "C:\\\\x", "C://x"},
        {"/x", "\\x", "/x"},
        {"/x/", "\\x", "/x"},
        {"C:/dir/", "C:\\dir", "C:/dir"},
        {"C:\\dir\\", "C:\\dir", "C:/dir"},
        {"C:\\", "C:", "C:"},
        {"C:/", "C:", "C:"},
        {"a\\\\", "a", "a"},
        {"a\\\\\\", "a\\", "a/"},
        {"///", "\\", "/"},
        {"", "", ""},
        {"\\", "", ""},
        {"/", "", ""},
        {"\\\\", "", ""},
        {"//", "", ""},
        {"./a/../b", ".\\a\\..\\b", "./a/../b"},
        {"C:/'a/b'", "C:\\'a/b'", "C:/'a/b'"},
        {"C:\\'a\\b'", "C:\\'a\\b'", "C:/'a\\b'"},
        {"MiXeD\\Case", "MiXeD\\Case", "MiXeD/Case"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        EXPECT_EQ(normalizeSeparators(row.path, '\\'), row.withBackslash);
        EXPECT_EQ(normalizeSeparators(row.path, '/'), row.withSlash);
    }
}

// Random paths over separators, quotes and letters against the independent
// statements: the direct one without quotes, the splits and joins with them.
TEST(NormalizeSeparators, MatchesReferencesOnGeneratedPaths) {
    struct Row {
        std::string alphabet;
        bool quotes;
    };
    const std::vector<Row> rows = {{"ab\\/\\/:.", false}, {"a\\/\\/'\"", true}};
    std::mt19937 random(7);
    for (const Row& row : rows) {
        SCOPED_TRACE("alphabet [" + row.alphabet + "]");
        for (int round = 0; round < 20000; ++round) {
            std::string path;
            for (std::size_t n = random() % 12; n > 0; --n) {
                path += row.alphabet[random() % row.alphabet.size()];
            }
            for (char separator : {'\\', '/'}) {
                const std::string want = row.quotes ? reference::normalizeBySplitting(path, separator)
                                                    : reference::normalize(path, separator);
                ASSERT_EQ(normalizeSeparators(path, separator), want)
                    << "path [" << path << "] separator " << separator;
            }
        }
    }
}

TEST(ParentDirectory, Table) {
    struct Row {
        std::string path;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"C:\\dir\\file.txt", "C:\\dir"},
        {"C:\\file.txt", "C:"},
        {"C:\\", "C:"},
        {"C:/a/b", "C:/a"},
        {"a/b\\c/d", "a/b"},
        {"\\\\server\\share", "\\\\server"},
        {"\\file", ""},
        {"file.txt", "\\"},
        {"C:", "\\"},
        {"", "\\"},
        {"a\\b\0c\\d"s, "a"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("path [" + row.path + "]");
        EXPECT_EQ(parentDirectory(row.path), row.want);
        EXPECT_EQ(parentDirectory(row.path.c_str()), row.want);
    }
}

using PathHelpersByCharacter = FakePlatformTest;

// The second byte of a double-byte character is 0x5C, the backslash, in many
// characters of 932, 936 and 950: it is part of the character, never a
// separator. 949 has no such character, and in a single-byte code page the
// same bytes are two characters.
TEST_F(PathHelpersByCharacter, SecondByteIsNeverASeparator) {
    for (const doublebyte::PathRow& row : doublebyte::pathRows()) {
        SCOPED_TRACE("code page " + std::to_string(row.codePage) + ", path [" + row.path + "]");
        fake::useCodePage(row.codePage);
        EXPECT_EQ(normalizeSeparators(row.path, '\\'), row.normalized);
        EXPECT_EQ(normalizeSeparators(row.path, '/'),
                  reference::normalize(row.path, '/', platform().leadBytes));
        EXPECT_EQ(parentDirectory(row.path), row.parent);
    }
}

// Random double-byte paths, whose characters' second bytes include the
// separators, against the direct statement applied to characters.
TEST_F(PathHelpersByCharacter, MatchesReferenceOnGeneratedDoubleBytePaths) {
    const std::vector<std::string> alphabet = {"a", "\\", "/", "\\", "/", ":", "\x83\x5C", "\x95\x5C",
                                               "\x81\x2F", "\x83\x7C", "\x83"};
    std::mt19937 random(11);
    for (unsigned codePage : {932u, 936u, 950u}) {
        fake::useCodePage(codePage);
        for (int round = 0; round < 5000; ++round) {
            std::string path;
            for (std::size_t n = random() % 10; n > 0; --n) path += alphabet[random() % alphabet.size()];
            for (char separator : {'\\', '/'}) {
                ASSERT_EQ(normalizeSeparators(path, separator),
                          reference::normalize(path, separator, platform().leadBytes))
                    << "code page " << codePage << " path [" << path << "] separator " << separator;
            }
        }
    }
}

TEST_F(PathHelpersByCharacter, FindCharSkipsSecondBytes) {
    fake::useCodePage(932);
    const std::string path = "C:" + doublebyte::kHyo + "\\x";
    EXPECT_EQ(findChar(path, '\\', 0), 4u);
    EXPECT_EQ(findChar(doublebyte::kSo + "/", '/', 0), 2u);
    EXPECT_EQ(findChar(doublebyte::kSo, '\\', 0), npos);
}

TEST(FindChar, Cases) {
    EXPECT_EQ(findChar("/abc", '/', 0), 0u);
    EXPECT_EQ(findChar("abc", '/', 0), npos);
    EXPECT_EQ(findChar("abc", 'a', 3), npos);
    EXPECT_EQ(findChar("a/b/c", '/', 2), 3u);
    EXPECT_EQ(findChar("ab\0/"s, '/', 0), npos);
    EXPECT_EQ(findChar("abc", '\0', 0), npos);
}

}  // namespace
}  // namespace pickpath
