#include "pathutil/file_status.h"

#include <cerrno>

#include "pathutil/path_helpers.h"

namespace pickpath {
namespace {

constexpr std::uint16_t kTypeMask = 0xF000;
constexpr std::uint16_t kDirectoryType = 0x4000;
constexpr std::uint16_t kRegularFileType = 0x8000;

}  // namespace

FileStatus::FileStatus(const std::string& path) {
    std::string working = path.c_str();
    if (working.find(kSlash) != std::string::npos) {
        working = normalizeSeparators(working, kBackslash);
    }
    if (platform::queryStatus(working.c_str(), status) < 0) errorCode = errno;
}

bool FileStatus::failed() const { return errorCode != 0; }
std::int64_t FileStatus::size() const { return status.size; }
std::int64_t FileStatus::accessTime() const { return status.atime; }
std::int64_t FileStatus::modifyTime() const { return status.mtime; }
std::int64_t FileStatus::createTime() const { return status.ctime; }
std::uint16_t FileStatus::mode() const { return status.mode; }
bool FileStatus::isRegularFile() const { return (status.mode & kTypeMask) == kRegularFileType; }
bool FileStatus::isDirectory() const { return (status.mode & kTypeMask) == kDirectoryType; }

}  // namespace pickpath
