#pragma once

// Sets a file's modification time for tests, with 64-bit seconds in every build
// (the 32-bit Windows runtime's time_t ends in 2038). One file per platform.

#include <cstdint>
#include <string>

namespace pickpath {

// Sets the access and modification times of `path` to `seconds` since 1970
// (UTC); false when the platform refused.
bool setFileTime(const std::string& path, std::int64_t seconds);

}  // namespace pickpath
