#include "strutil/format_integer.h"

#include <algorithm>

namespace pickpath {
namespace {

constexpr std::uint32_t kMinBase = 2;
constexpr std::uint32_t kMaxBase = 36;
constexpr std::uint32_t kSignedBase = 10;
constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";

// Digits of `value` in `base` (already within 2..36), most significant first.
std::string formatDigits(std::uint64_t value, std::uint32_t base) {
    std::string text;
    do {
        text.push_back(kDigits[value % base]);
        value /= base;
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

// "-" when `negative`, then the digits of the magnitude's absolute value.
std::string formatMagnitude(std::uint64_t magnitude, std::uint32_t base, bool negative) {
    base = std::clamp(base, kMinBase, kMaxBase);
    std::string text;
    if (negative) {
        text = "-";
        magnitude = ~magnitude + 1;  // two's-complement negation, exact for INT64_MIN too
    }
    return text + formatDigits(magnitude, base);
}

}  // namespace

std::string formatInteger(std::int32_t value, std::uint32_t base) {
    return formatInteger64(static_cast<std::int64_t>(value), base);
}

std::string formatInteger64(std::int64_t value, std::uint32_t base) {
    const bool negative = base == kSignedBase && value < 0;
    return formatMagnitude(static_cast<std::uint64_t>(value), base, negative);
}

std::string formatUnsigned(std::uint32_t value, std::uint32_t base) {
    return formatMagnitude(value, base, false);
}

std::string formatUnsigned64(std::uint64_t value, std::uint32_t base) {
    return formatMagnitude(value, base, false);
}

}  // namespace pickpath
