#include "picker/browse_for_folder.h"

#include "pathutil/file_status.h"
#include "pathutil/path_helpers.h"
#include "pathutil/picked_path.h"

namespace pickpath {
namespace {

constexpr std::uint32_t kReturnOnlyFileSystemDirs = 0x1;
constexpr std::uint32_t kNewDialogStyle = 0x40;
constexpr std::uint32_t kNoNewFolderButton = 0x200;
constexpr std::uint32_t kBrowseFlags = kReturnOnlyFileSystemDirs | kNewDialogStyle | kNoNewFolderButton;
constexpr std::uintptr_t kSelectionIsPath = 1;
// The most bytes a folder's path may take, its NUL included.
constexpr std::size_t kPathBufferSize = 270;

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

    // The apartment stays set up until the id list is converted and released.
    const bool components = platform::initializeComponents();
    const platform::IdList chosen = platform::browseForFolder(request);
    std::string path;
    if (chosen != nullptr) {
        path = pathFromIdList(chosen);
        platform::freeIdList(chosen);
    }
    if (components) platform::uninitializeComponents();
    return path;
}

int browseCallback(platform::WindowHandle window, std::uint32_t message, std::intptr_t,
                   std::intptr_t data) {
    if (message != platform::kBrowseInitialized) return 0;
    platform::sendMessage(window, platform::kBrowseSetSelection, kSelectionIsPath, data);
    return 1;
}

std::string pathFromIdList(platform::IdList idList) {
    const std::string path = pickedPathText(platform::getPathFromIdList(idList));
    return path.size() < kPathBufferSize ? path : "";
}

}  // namespace pickpath
