#pragma once

// Text conversions inside the Windows platform layer: the system holds its
// texts in the ANSI code page, the wide Win32 calls take UTF-16. Declared here
// so that the Windows system tests can check them against the real code page.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// Splits a command line into arguments by the rules of the C runtime's argv
// (msvcrt): the program name runs to its closing quote, or else to the first
// space or tab, with no escapes. After it, spaces and tabs separate arguments;
// quotes group and are dropped; 2n backslashes before a quote give n and the
// quote groups, 2n+1 give n and a literal quote; other backslashes are kept;
// "" inside a group gives one quote and ends the group.
// The line  p.exe a "b c" "" x\"y  gives p.exe, a, b c, an empty argument, x"y.
std::vector<std::wstring> splitCommandLine(const wchar_t* line);

}  // namespace pickpath::platform
