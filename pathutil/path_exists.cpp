#include "pathutil/path_exists.h"

#include "pathutil/file_status.h"
#include "pathutil/path_helpers.h"
#include "platform/platform.h"

namespace pickpath {
namespace {

constexpr char kUncPrefix[] = "\\\\";
constexpr int kExistenceOnly = 0;

}  // namespace

bool pathExists(const std::string& path, bool rejectEmptyFile) {
    std::string working = path.c_str();
    if (findChar(working, kSlash, 0) != npos) working = normalizeSeparators(working, kBackslash);
    if (working.compare(0, 2, kUncPrefix) == 0) {
        return platform::accessPath(working.c_str(), kExistenceOnly) == 0;
    }
    const FileStatus status(working);
    if (status.failed()) return false;
    if (status.size() != 0) return true;
    if (status.isDirectory()) return true;
    return !rejectEmptyFile;
}

}  // namespace pickpath
