#pragma once

// Parts of the Windows platform layer that its system tests check against the
// real runtime: text conversion (the system holds its texts in the ANSI code
// page, the wide Win32 calls take UTF-16) and the Open dialog's record, which
// can be checked without showing the dialog.

#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <string>

#include "platform/platform.h"

namespace pickpath::platform {

// The UTF-16 form of the `length` bytes at `text`; NULs among them stay NULs,
// so a filter list keeps its inner NULs and its closing pair.
std::wstring widenAnsi(const char* text, std::size_t length);

// The wide texts an Open dialog record points into; they must outlive the
// record, and stay where they are.
struct OpenFileTexts {
    std::wstring filter;  // the whole list, its closing pair of NULs included
    std::wstring initialDir;
    std::wstring title;
    std::wstring file;  // the file-name buffer: request.maxFile NULs
};

// The Open dialog's record for `request`, its texts widened into `texts`;
// every field the request does not set is zero.
OPENFILENAMEW openFileRecord(const OpenFileRequest& request, OpenFileTexts& texts);

}  // namespace pickpath::platform
