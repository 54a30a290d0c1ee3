#pragma once

#include <string>

#include "strutil/string_list.h"

namespace pickpath {

// Pieces of `text` (read up to its first NUL) between `delimiter` characters.
// A piece that begins with ' or " runs past its closing quote to the next
// delimiter; an unclosed quote takes the rest. A trailing delimiter gives no
// empty last piece: "a/b//c" -> {a, b, "", c}, "a/" -> {a}. A NUL delimiter matches nothing.
// The text is read by character in the ANSI code page: a delimiter or a quote is
// never the second byte of a double-byte character (under 932 ソ, 83 5C, holds no '\').
StringList splitString(const std::string& text, char delimiter);

// As splitString, with every character of `delimiters` (a NUL-terminated text) ending a piece.
StringList splitOnAny(const std::string& text, const char* delimiters);

}  // namespace pickpath
