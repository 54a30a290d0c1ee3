#pragma once

#include <string>

#include "platform/platform.h"

namespace pickpath {

// Shows the Open dialog (or, with `folderMode`, the folder browser) owned by
// the console window, starting at the previous pick (in UNC form when that lay
// on a mapped drive). Returns the chosen path, or "" on cancel or failure,
// which also forgets the previous pick.
std::string pickPath(bool folderMode);

// This process's console window, found by briefly giving the console a unique
// title ("<tick count>/<process id>") and then its own again; when that finds
// nothing, or the title cannot be read, the window the platform names as the
// console's own; null when there is no console.
platform::WindowHandle findConsoleWindow();

}  // namespace pickpath
