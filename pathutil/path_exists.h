#pragma once

#include <string>

namespace pickpath {

// Whether `path` names something that exists. A UNC path ("\\server\share\x",
// also written with '/') is decided by the access test alone; any other path by
// its status, where an existing empty non-directory counts as absent only when
// `rejectEmptyFile` is set.
bool pathExists(const std::string& path, bool rejectEmptyFile);

}  // namespace pickpath
