#include "pathutil/mapped_drive.h"

#include <cstdint>

#include "platform/platform.h"

namespace pickpath {
namespace {

constexpr std::size_t kHeadLength = 2;
constexpr std::uint32_t kDriveRemote = 4;
constexpr std::uint32_t kConnectionBufferSize = 261;
constexpr std::uint32_t kConnectionLength = 260;

}  // namespace

std::string resolveMappedDrive(const std::string& path) {
    const std::string input = path.c_str();
    if (input.size() < kHeadLength) return input;
    const std::string head = input.substr(0, kHeadLength);
    const std::string tail = input.substr(kHeadLength);
    if (head[1] != ':') return input;
    if (platform::driveType(head.c_str()) != kDriveRemote) return input;
    std::uint32_t length = kConnectionLength;
    std::string buffer(kConnectionBufferSize, '\0');
    platform::networkConnection(head.c_str(), &buffer[0], &length);
    const std::string connection = buffer.c_str();
    if (connection.empty()) return input;
    return connection + tail;
}

}  // namespace pickpath
