#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

namespace pickpath {

// The number of bytes of the character that starts at `text[position]` in the
// ANSI code page: 2 for a lead byte followed by a byte other than NUL (under 932
// "\x83\x5C", one katakana, whose second byte is not a backslash), else 1, so a
// lone lead byte at the end is one character. `position` is inside the text.
inline std::size_t characterLength(const std::string& text, std::size_t position) {
    const auto byte = static_cast<unsigned char>(text[position]);
    // Every lead byte of a double-byte code page has its high bit set.
    constexpr unsigned char kFirstNonAscii = 0x80;
    if (byte < kFirstNonAscii || position + 1 >= text.size() || text[position + 1] == '\0') {
        return 1;
    }
    return platform::isLeadByte(byte) ? 2 : 1;
}

}  // namespace pickpath
