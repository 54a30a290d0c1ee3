#include "strutil/join.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pickpath {
namespace {

using namespace std::string_literals;

std::string plainJoin(const StringList& list, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i != 0) joined += separator;
        joined += list[i];
    }
    return joined;
}

TEST(JoinStrings, Table) {
    struct Row {
        StringList list;
        std::string want;
    };
    const std::vector<Row> rows = {
        {{}, ""},
        {{"a"}, "a"},
        {{""}, ""},
        {{"a", "b", "c"}, "a/b/c"},
        {{"a", "", "b"}, "a//b"},
        {{"", ""}, "/"},
        {{"a", ""}, "a/"},
        {{"a\0b"s, "c"}, "a\0b/c"s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(plainJoin(row.list, "|") + " (" + std::to_string(row.list.size()) + ")");
        EXPECT_EQ(joinStrings(row.list, '/'), row.want);
        EXPECT_EQ(joinStrings(row.list, "/"s), row.want);
    }
}

TEST(JoinStrings, NulSeparatorConcatenates) {
    EXPECT_EQ(joinStrings({"a", "b"}, '\0'), "ab");
    EXPECT_EQ(joinStrings({"a", "b"}, "\0/"s), "ab");
    EXPECT_EQ(joinStrings({"a", "b"}, "-/\0x"s), "a-/b");
}

// Lengths around the chunk boundaries, with the empty element moved through
// the first, boundary, last and a middle position.
TEST(JoinStrings, EqualsPlainJoinAroundChunkBoundaries) {
    for (std::size_t length : {1u, 2u, 100u, 101u, 102u, 128u, 129u, 228u, 229u, 230u, 357u, 358u,
                               12901u, 12902u, 12903u, 20000u}) {
        for (std::size_t emptyAt : {std::size_t(0), std::size_t(100), std::size_t(101),
                                    length / 2, length - 1}) {
            if (emptyAt >= length) continue;
            SCOPED_TRACE("length " + std::to_string(length) + ", empty at " + std::to_string(emptyAt));
            StringList list;
            for (std::size_t i = 0; i < length; ++i) list.push_back(std::to_string(i));
            list[emptyAt].clear();
            ASSERT_EQ(joinStrings(list, '/'), plainJoin(list, "/"));
            ASSERT_EQ(joinStrings(list, ", "s), plainJoin(list, ", "));
        }
    }
}

TEST(JoinStrings, EqualsPlainJoinForGeneratedLists) {
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        const std::size_t length = random() % 700;
        StringList list;
        for (std::size_t i = 0; i < length; ++i) {
            list.push_back(std::string(random() % 3, static_cast<char>('a' + random() % 3)));
        }
        const std::string separator(random() % 3, '/');
        ASSERT_EQ(joinStrings(list, separator), plainJoin(list, separator)) << "round " << round;
    }
}

TEST(JoinChunked, ChunkListOfChunksStillGivesPlainJoin) {
    StringList list(12902 * 2, "x");
    EXPECT_EQ(joinChunked(list, "/"), plainJoin(list, "/"));
}

}  // namespace
}  // namespace pickpath
