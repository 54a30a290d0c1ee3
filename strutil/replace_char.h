#pragma once

#include <string>

namespace pickpath {

// A copy of `text` with every `from` byte, over its full length, replaced by `to`:
// ("a|b||", '|', '\0') -> the five bytes a NUL b NUL NUL.
std::string replaceChar(const std::string& text, char from, char to);

}  // namespace pickpath
