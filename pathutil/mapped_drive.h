#pragma once

#include <string>

namespace pickpath {

// `path` with the head of a mapped network drive replaced by the connection's
// UNC name: "N:\dir\f.txt" -> "\\server\share\dir\f.txt" when N: is mapped to
// \\server\share. Every other path comes back unchanged.
std::string resolveMappedDrive(const std::string& path);

}  // namespace pickpath
