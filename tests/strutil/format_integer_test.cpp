#include "strutil/format_integer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace pickpath {
namespace {

// The standard library's text: digits 0-9 then lowercase a-z, "-" when negative.
template <typename T>
std::string reference(T value, std::uint32_t base) {
    char buffer[80];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, static_cast<int>(base));
    return std::string(buffer, result.ptr);
}

// Bases outside 2..36, which the sweep below does not reach.
TEST(FormatInteger, BaseIsClampedTo2Through36) {
    EXPECT_EQ(formatInteger(10, 0), "1010");
    EXPECT_EQ(formatInteger(10, 1), "1010");
    EXPECT_EQ(formatInteger(10, 37), "a");
    EXPECT_EQ(formatInteger(10, 0xFFFFFFFFu), "a");
    EXPECT_EQ(formatInteger(-10, 37), "3w5e11264sgs6");  // no sign: the base given is not 10
    EXPECT_EQ(formatInteger64(-10, 1), std::string(60, '1') + "0110");
    EXPECT_EQ(formatUnsigned(1002, 100), "ru");
    EXPECT_EQ(formatUnsigned64(4, 0), "100");
}

// Every value from -1024 to 1024 that the type holds, its extremes, the
// neighbours of its powers of two and a seeded random sweep.
template <typename T>
std::vector<T> sampleValues() {
    std::vector<T> values = {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
    for (int value = std::is_signed_v<T> ? -1024 : 0; value <= 1024; ++value) values.push_back(T(value));
    for (int bit = 11; bit < std::numeric_limits<T>::digits; ++bit) {
        const T power = static_cast<T>(T(1) << bit);
        values.insert(values.end(), {power, static_cast<T>(power - 1), static_cast<T>(power + 1),
                                     static_cast<T>(0 - power)});
    }
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 500; ++i) values.push_back(static_cast<T>(random()));
    return values;
}

// In base 10 the signed text; in any other base a negative value shows its
// 64-bit two's complement: formatInteger(-5, 16) is sixteen digits, not eight.
template <typename T, typename Format>
void expectMatchesReference(Format format, std::uint32_t base) {
    for (T value : sampleValues<T>()) {
        std::string want = reference(value, base);
        if constexpr (std::is_signed_v<T>) {
            if (base != 10 && value < 0) {
                want = reference(static_cast<std::uint64_t>(static_cast<std::int64_t>(value)), base);
            }
        }
        ASSERT_EQ(format(value, base), want) << value;
    }
}

TEST(FormatInteger, MatchesToCharsInEveryBase) {
    for (std::uint32_t base = 2; base <= 36; ++base) {
        SCOPED_TRACE("base " + std::to_string(base));
        expectMatchesReference<std::int32_t>(formatInteger, base);
        expectMatchesReference<std::int64_t>(formatInteger64, base);
        expectMatchesReference<std::uint32_t>(formatUnsigned, base);
        expectMatchesReference<std::uint64_t>(formatUnsigned64, base);
    }
}

}  // namespace
}  // namespace pickpath
