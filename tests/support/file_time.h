#pragma once

#include <cstdint>
#include <string>

namespace pickpath {

// Sets the access and modification times of `path` to `seconds` since 1970 (UTC),
// 64-bit in every build (the 32-bit runtime's time_t ends in 2038); false when refused.
bool setFileTime(const std::string& path, std::int64_t seconds);

}  // namespace pickpath
