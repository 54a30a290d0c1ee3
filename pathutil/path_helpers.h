#pragma once

#include <cstddef>
#include <string>

namespace pickpath {

// The no-position value that findChar returns for an absent character.
constexpr std::size_t npos = std::string::npos;

constexpr char kBackslash = '\\';
constexpr char kSlash = '/';

// `path` with both separators as `separator`, runs collapsed after the first two
// components (so a UNC prefix survives) and one trailing one dropped; cut by the
// quote-aware split, by character: "//server//share/" -> "\\server\share".
std::string normalizeSeparators(const std::string& path, char separator);

// The text before the last backslash, or before the last '/' when there is no
// backslash, or "\" when there is neither: "C:\dir\f.txt" -> "C:\dir", "a/b\c/d" -> "a/b".
// Only whole characters count as separators, as above.
std::string parentDirectory(const std::string& path);
std::string parentDirectory(const char* path);

// Index of the first `character` at or after `start`, searching up to the
// text's first NUL, or npos; the second byte of a double-byte character never
// matches. `start` must not exceed the text's length and begins a character.
std::size_t findChar(const std::string& text, char character, std::size_t start);

}  // namespace pickpath
