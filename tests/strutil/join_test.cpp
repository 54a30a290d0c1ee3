#include "strutil/join.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/reference_normalize.h"

namespace pickpath {
namespace {

using namespace std::string_literals;

// A list of `length` numbers with every third element, shifting with the
// length, empty: empties come first, last and at every chunk boundary.
StringList numbers(std::size_t length) {
    StringList list;
    for (std::size_t i = 0; i < length; ++i) list.push_back((i + length) % 3 == 0 ? "" : std::to_string(i));
    return list;
}

// Every length up to past two chunk boundaries, and the lengths at which the
// chunk list is chunked again, against the plain join; also all elements empty.
TEST(JoinStrings, EqualsPlainJoinAtEveryLength) {
    std::vector<std::size_t> lengths = {12901, 12902, 12903, 2 * 12902};
    for (std::size_t length = 0; length <= 300; ++length) lengths.push_back(length);
    for (std::size_t length : lengths) {
        SCOPED_TRACE("length " + std::to_string(length));
        for (const StringList& list : {numbers(length), StringList(length)}) {
            ASSERT_EQ(joinStrings(list, '/'), reference::join(list, "/"));
            ASSERT_EQ(joinStrings(list, ", "s), reference::join(list, ", "));
        }
    }
}

TEST(JoinStrings, NulsInElementsAndSeparator) {
    EXPECT_EQ(joinStrings({"a\0b"s, "c"}, '/'), "a\0b/c"s);
    EXPECT_EQ(joinStrings({"a", "b"}, '\0'), "ab");
    EXPECT_EQ(joinStrings({"a", "b"}, "-/\0x"s), "a-/b");
}

}  // namespace
}  // namespace pickpath
