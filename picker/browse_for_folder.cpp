#include "picker/browse_for_folder.h"

#include "pathutil/file_status.h"
#include "pathutil/path_helpers.h"

namespace pickpath {
namespace {

constexpr std::uint32_t kReturnOnlyFileSystemDirs = 0x1;
constexpr std::uint32_t kNewDialogStyle = 0x40;
constexpr std::uint32_t kNoNewFolderButton = 0x200;
constexpr std::uint32_t kBrowseFlags = kReturnOnlyFileSystemDirs | kNewDialogStyle | kNoNewFolderButton;
constexpr std::uintptr_t kSelectionIsPath = 1;
constexpr std::uint32_t kPathBufferSize = 270;

}  // namespace

std::string browseForFolder(platform::WindowHandle owner, const std::string& initialPath,
                            const std::string& title) {
    // Must outlive the browser: the callback reads it while the browser runs.
    std::string initialFolder = initialPath.c_str();
    if (!FileStatus(initialFolder).isDirectory()) initialFolder = parentDirectory(initialFolder);

    platform::BrowseRequest request;
    request.owner = owner;
    request.title = title.c_str();
    request.flags = kBrowseFlags;
    request.callback = browseCallback;
    request.data = reinterpret_cast<std::intptr_t>(initialFolder.c_str());

    const platform::IdList chosen = platform::browseForFolder(request);
    if (chosen == nullptr) return "";
    const std::string path = pathFromIdList(chosen);
    platform::freeIdList(chosen);
    return path;
}

int browseCallback(platform::WindowHandle window, std::uint32_t message, std::intptr_t,
                   std::intptr_t data) {
    if (message != platform::kBrowseInitialized) return 0;
    platform::sendMessage(window, platform::kBrowseSetSelection, kSelectionIsPath, data);
    return 1;
}

std::string pathFromIdList(platform::IdList idList) {
    std::string buffer(kPathBufferSize, '\0');
    platform::getPathFromIdList(idList, &buffer[0], kPathBufferSize);
    return buffer.c_str();
}

}  // namespace pickpath
