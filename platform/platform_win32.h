#pragma once

// Text conversion inside the Windows platform layer: the system holds its
// texts in the ANSI code page, the wide Win32 calls take UTF-16. Declared here
// so that the Windows system tests can check it against the real code page.

#include <cstddef>
#include <string>

namespace pickpath::platform {

// The UTF-16 form of the `length` bytes at `text`; NULs among them stay NULs,
// so a filter list keeps its inner NULs and its closing pair.
std::wstring widenAnsi(const char* text, std::size_t length);

}  // namespace pickpath::platform
