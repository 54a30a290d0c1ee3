#pragma once

#include <string>

namespace pickpath {

// A copy of `text` with every `from` character, over its full length, replaced
// by `to`: ("a|b||", '|', '\0') -> the five bytes a NUL b NUL NUL. The second
// byte of a double-byte character is part of it, never a match on its own.
std::string replaceChar(const std::string& text, char from, char to);

}  // namespace pickpath
