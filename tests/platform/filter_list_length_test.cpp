#include "platform/platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pickpath::platform {
namespace {

using namespace std::string_literals;

TEST(FilterListLength, EndsAtTheFirstEmptyItem) {
    struct Row {
        std::string name;
        std::string list;  // without the C string's own closing NUL
        std::size_t length;
    };
    const std::vector<Row> rows = {
        {"the empty list", "", 1},
        {"an empty first item ends the list", "\0"s, 1},
        {"one pair", "All Files (*.*)\0*.*\0\0"s, 21},
        {"two pairs", "Text\0*.txt\0All\0*.*\0\0"s, 20},
        {"bytes after the end are not counted", "a\0b\0\0junk"s, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // An exact-size heap copy, so that AddressSanitizer sees any read past its end.
        const std::unique_ptr<char[]> copy(new char[row.list.size() + 1]);
        row.list.copy(copy.get(), row.list.size());
        copy[row.list.size()] = '\0';
        EXPECT_EQ(filterListLength(copy.get()), row.length);
    }
}

}  // namespace
}  // namespace pickpath::platform
