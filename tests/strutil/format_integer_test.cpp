#include "strutil/format_integer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace pickpath {
namespace {

template <typename T>
std::string reference(T value, int base) {
    char buffer[80];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    return std::string(buffer, result.ptr);
}

struct Row {
    std::string call;
    std::string got;
    std::string want;
};

TEST(FormatInteger, EdgeCases) {
    const std::vector<Row> rows = {
        {"formatInteger(0, 10)", formatInteger(0, 10), "0"},
        {"formatInteger(0, 2)", formatInteger(0, 2), "0"},
        {"formatUnsigned(0, 16)", formatUnsigned(0, 16), "0"},
        {"formatInteger(5, 10)", formatInteger(5, 10), "5"},
        {"formatInteger(-5, 10)", formatInteger(-5, 10), "-5"},
        {"formatInteger(INT32_MIN, 10)", formatInteger(INT32_MIN, 10), "-2147483648"},
        {"formatInteger(INT32_MAX, 10)", formatInteger(INT32_MAX, 10), "2147483647"},
        {"formatInteger(-5, 16)", formatInteger(-5, 16), "fffffffffffffffb"},
        {"formatInteger(INT32_MIN, 16)", formatInteger(INT32_MIN, 16), "ffffffff80000000"},
        {"formatInteger(-1, 2)", formatInteger(-1, 2), std::string(64, '1')},
        {"formatInteger(-10, 8)", formatInteger(-10, 8), "1777777777777777777766"},
        {"formatInteger(255, 16)", formatInteger(255, 16), "ff"},
        {"formatInteger(35, 36)", formatInteger(35, 36), "z"},
        {"formatInteger(36, 36)", formatInteger(36, 36), "10"},
        {"formatInteger(10, 0)", formatInteger(10, 0), "1010"},
        {"formatInteger(10, 1)", formatInteger(10, 1), "1010"},
        {"formatInteger(10, 37)", formatInteger(10, 37), "a"},
        {"formatInteger(10, 100)", formatInteger(10, 100), "a"},
        {"formatInteger(10, 0xFFFFFFFF)", formatInteger(10, 0xFFFFFFFFu), "a"},
        {"formatInteger(-10, 37)", formatInteger(-10, 37), "3w5e11264sgs6"},
        {"formatInteger64(INT64_MIN, 10)", formatInteger64(INT64_MIN, 10), "-9223372036854775808"},
        {"formatInteger64(-1, 36)", formatInteger64(-1, 36), "3w5e11264sgsf"},
        {"formatUnsigned(UINT32_MAX, 16)", formatUnsigned(UINT32_MAX, 16), "ffffffff"},
        {"formatUnsigned(UINT32_MAX, 10)", formatUnsigned(UINT32_MAX, 10), "4294967295"},
        {"formatUnsigned(1002, 16)", formatUnsigned(1002, 16), "3ea"},
        {"formatUnsigned64(UINT64_MAX, 10)", formatUnsigned64(UINT64_MAX, 10), "18446744073709551615"},
        {"formatUnsigned64(UINT64_MAX, 16)", formatUnsigned64(UINT64_MAX, 16), "ffffffffffffffff"},
        {"formatUnsigned64(4294967296, 10)", formatUnsigned64(4294967296u, 10), "4294967296"},
        {"formatUnsigned(4294967291, 10)", formatUnsigned(4294967291u, 10), "4294967291"},
        {"formatUnsigned(0x3003, 16)", formatUnsigned(0x3003, 16), "3003"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.call);
        EXPECT_EQ(row.got, row.want);
    }
}

// Values worth checking for a type: its extremes, the neighbours of zero and
// of the powers of two, and a seeded random sweep.
template <typename T>
std::vector<T> sampleValues() {
    std::vector<T> values = {std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), 0, 1};
    for (int bit = 1; bit < std::numeric_limits<T>::digits; ++bit) {
        const T power = static_cast<T>(T(1) << bit);
        values.insert(values.end(), {power, static_cast<T>(power - 1), static_cast<T>(power + 1)});
        if (std::numeric_limits<T>::is_signed) values.push_back(static_cast<T>(-power));
    }
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 2000; ++i) values.push_back(static_cast<T>(random()));
    return values;
}

TEST(FormatInteger, MatchesToCharsInEveryBase) {
    for (std::uint32_t base = 2; base <= 36; ++base) {
        SCOPED_TRACE("base " + std::to_string(base));
        for (std::uint32_t value : sampleValues<std::uint32_t>()) {
            ASSERT_EQ(formatUnsigned(value, base), reference(value, base)) << value;
        }
        for (std::uint64_t value : sampleValues<std::uint64_t>()) {
            ASSERT_EQ(formatUnsigned64(value, base), reference(value, base)) << value;
        }
        // Non-negative signed values read the same in every base.
        for (std::int32_t value : sampleValues<std::int32_t>()) {
            if (value < 0) continue;
            ASSERT_EQ(formatInteger(value, base), reference(value, base)) << value;
        }
        for (std::int64_t value : sampleValues<std::int64_t>()) {
            if (value < 0) continue;
            ASSERT_EQ(formatInteger64(value, base), reference(value, base)) << value;
        }
    }
}

TEST(FormatInteger, SignedValuesInBaseTenMatchToChars) {
    for (std::int32_t value : sampleValues<std::int32_t>()) {
        ASSERT_EQ(formatInteger(value, 10), reference(value, 10)) << value;
    }
    for (std::int64_t value : sampleValues<std::int64_t>()) {
        ASSERT_EQ(formatInteger64(value, 10), reference(value, 10)) << value;
    }
}

TEST(FormatInteger, NegativeOutsideBaseTenIsTheUnsigned64BitPattern) {
    for (std::uint32_t base = 2; base <= 36; ++base) {
        if (base == 10) continue;
        SCOPED_TRACE("base " + std::to_string(base));
        for (std::int32_t value : sampleValues<std::int32_t>()) {
            if (value >= 0) continue;
            const auto pattern = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
            ASSERT_EQ(formatInteger(value, base), reference(pattern, base)) << value;
        }
        for (std::int64_t value : sampleValues<std::int64_t>()) {
            if (value >= 0) continue;
            ASSERT_EQ(formatInteger64(value, base), reference(static_cast<std::uint64_t>(value), base))
                << value;
        }
    }
}

}  // namespace
}  // namespace pickpath
