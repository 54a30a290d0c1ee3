#pragma once

#include <string>

#include "strutil/string_list.h"

namespace pickpath {

// The elements joined with `separator` between neighbours: {a, "", b}, '/' -> "a//b".
// A NUL separator concatenates.
std::string joinStrings(const StringList& list, char separator);

// As above, with the separator taken up to its first NUL.
std::string joinStrings(const StringList& list, const std::string& separator);

// The plain join, built in chunks of at most 128 elements that are then joined
// by the same operation; elements are appended whole, NULs included.
std::string joinChunked(const StringList& list, const char* separator);

}  // namespace pickpath
