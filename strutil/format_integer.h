#pragma once

#include <cstdint>
#include <string>

namespace pickpath {

// Text of `value` in `base` (clamped to 2..36), digits 0-9 then a-z, no prefix.
// A "-" is written only when `base` is 10 and the value is negative; in other
// bases a negative value shows its 64-bit two's complement: (-5, 16) -> "fffffffffffffffb".
std::string formatInteger(std::int32_t value, std::uint32_t base);

// As formatInteger, for a 64-bit value: (-1, 36) -> "3w5e11264sgsf".
std::string formatInteger64(std::int64_t value, std::uint32_t base);

// Unsigned text, never signed: (1002, 16) -> "3ea".
std::string formatUnsigned(std::uint32_t value, std::uint32_t base);

// Unsigned 64-bit text: (4294967296, 10) -> "4294967296".
std::string formatUnsigned64(std::uint64_t value, std::uint32_t base);

}  // namespace pickpath
