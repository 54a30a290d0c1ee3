#pragma once

#include <string>

#include "platform/platform.h"

namespace pickpath {

// The one-line filter in the platform's list form, its closing pair of NULs
// within the string: "Text|*.txt" gives "Text\0*.txt\0\0". The text ends at its
// first NUL, like every text handed to the platform; empty gives the default.
std::string filterList(const std::string& filter);

// The Open dialog for one file, owned by `owner` (may be null). It opens in
// `initialPath` when that is a folder, else in its parent when that exists.
// `filter` is "Description|pattern||" (empty: all files). Returns the chosen
// path as pickedPathText writes it, or "" on cancel; a failure also writes its
// code in hex on standard error (3002 for a path with no such text).
std::string openFileDialog(platform::WindowHandle owner, const std::string& initialPath,
                           const std::string& filter, const std::string& title);

}  // namespace pickpath
