#include "pathutil/path_helpers.h"

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

TEST(NormalizeSeparators, MatchesReferenceOnGeneratedPaths) {
    const std::string alphabet = "ab\\/\\/:.";
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string path;
        for (std::size_t n = random() % 12; n > 0; --n) path += alphabet[random() % alphabet.size()];
        for (char separator : {'\\', '/'}) {
            ASSERT_EQ(normalizeSeparators(path, separator), reference::normalize(path, separator))
                << "path [" << path << "] separator " << separator;
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
