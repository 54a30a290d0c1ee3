#pragma once

#include <string>

namespace pickpath {

// Writes `text` (up to its first NUL) and a line end to standard error and
// flushes it. A failed write is not reported: always returns true.
bool writeLine(const std::string& text);

}  // namespace pickpath
