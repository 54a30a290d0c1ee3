#pragma once

// Text conversions inside the Windows platform layer: the system holds its
// texts in the ANSI code page, the wide Win32 calls take UTF-16. Declared here
// so that the Windows system tests can check them against the real code page.

#include <cstddef>
#include <cstdint>
#include <string>

namespace pickpath::platform {

// The UTF-16 form of the `length` bytes at `text`; NULs among them stay NULs,
// so a filter list keeps its inner NULs and its closing pair.
std::wstring widenAnsi(const char* text, std::size_t length);

// Writes `text` and its closing NUL into `buffer` of `size` bytes, in the ANSI
// code page, only if every character has an exact form there. Returns 0, or the
// dialog code 0x3002 when a character would turn into '?' or a look-alike
// (L"Łódź" under code page 1252), or 0x3003 when the text does not fit; on a
// failure nothing is written.
std::uint32_t narrowAnsiExact(const wchar_t* text, char* buffer, std::uint32_t size);

}  // namespace pickpath::platform
