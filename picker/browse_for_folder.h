#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace pickpath {

// The shell's folder browser owned by `owner`, with `initialPath` selected when
// it is a folder, else its parent text (not tested for existence). Returns the
// chosen folder's path (see pathFromIdList), or "" on cancel or failure.
// Writes nothing.
std::string browseForFolder(platform::WindowHandle owner, const std::string& initialPath,
                            const std::string& title);

// The browser's callback: on message 1 (browser ready) selects the folder text
// `data` and returns 1; every other message is ignored and returns 0.
int browseCallback(platform::WindowHandle window, std::uint32_t message, std::intptr_t lParam,
                   std::intptr_t data);

// The file-system path of a browser answer, as pickedPathText writes it; ""
// for an item without one, or one with no such text under 270 bytes. The id
// list is not released.
std::string pathFromIdList(platform::IdList idList);

}  // namespace pickpath
