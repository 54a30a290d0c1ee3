#pragma once

#include <string>
#include <vector>

namespace pickpath {

// An ordered list of strings; empty strings are valid elements.
using StringList = std::vector<std::string>;

}  // namespace pickpath
