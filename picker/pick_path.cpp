#include "picker/pick_path.h"

#include <cstdint>

#include "pathutil/mapped_drive.h"
#include "picker/browse_for_folder.h"
#include "picker/open_file_dialog.h"
#include "strutil/format_integer.h"

namespace pickpath {
namespace {

constexpr std::uint32_t kConsoleTitleBufferSize = 1024;
constexpr std::uint32_t kTitleSettleMilliseconds = 40;
constexpr unsigned kDecimal = 10;
constexpr char kFileFilter[] = "All Files (*.*)|*.*||";
constexpr char kFileDialogTitle[] = "Open";
constexpr char kFolderBrowserTitle[] = "";

}  // namespace

platform::WindowHandle findConsoleWindow() {
    // The title is saved and restored in full (any character, not only those of
    // a code page). One that cannot be read could not be put back: no lookup then.
    std::wstring savedTitle(kConsoleTitleBufferSize, L'\0');
    platform::WindowHandle window = nullptr;
    if (platform::getConsoleTitle(&savedTitle[0], kConsoleTitleBufferSize) != 0) {
        const std::string processId = formatUnsigned64(platform::currentProcessId(), kDecimal);
        const std::string ticks = formatUnsigned64(platform::tickCount(), kDecimal);
        const std::string lookupTitle = ticks + "/" + processId;
        platform::setConsoleTitle(std::wstring(lookupTitle.begin(), lookupTitle.end()).c_str());
        platform::sleepMilliseconds(kTitleSettleMilliseconds);
        window = platform::findWindowByTitle(lookupTitle.c_str());
        platform::setConsoleTitle(savedTitle.c_str());
    }
    // The title need not reach a window: Windows Terminal shows it late or not
    // at all, and Wine makes a console's window only when it is asked for. The
    // console's own window is then the owner (the Terminal keeps it in front).
    return window != nullptr ? window : platform::consoleWindow();
}

std::string pickPath(bool folderMode) {
    const platform::WindowHandle owner = findConsoleWindow();
    // The previous pick; lives until process exit.
    static std::string lastPickedPath;
    lastPickedPath = resolveMappedDrive(lastPickedPath);
    const std::string result =
        folderMode ? browseForFolder(owner, lastPickedPath, kFolderBrowserTitle)
                   : openFileDialog(owner, lastPickedPath, kFileFilter, kFileDialogTitle);
    lastPickedPath = result;
    return lastPickedPath;
}

}  // namespace pickpath
