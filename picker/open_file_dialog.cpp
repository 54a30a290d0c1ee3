#include "picker/open_file_dialog.h"

#include <cstdint>

#include "app/write_line.h"
#include "pathutil/file_status.h"
#include "pathutil/path_exists.h"
#include "pathutil/path_helpers.h"
#include "pathutil/picked_path.h"
#include "strutil/format_integer.h"
#include "strutil/replace_char.h"

namespace pickpath {
namespace {

constexpr std::uint32_t kFileNameBufferSize = 26000;
constexpr std::uint32_t kHideReadOnly = 0x4;  // the dialog's only flag: one file, no read-only box
constexpr char kDefaultFilter[] = "All Files (*.*)|*.*||";
constexpr char kFilterSeparator = '|';
constexpr unsigned kHex = 16;
// The dialog's codes for a name it cannot give back: none exact in the ANSI
// code page (FNERR_INVALIDFILENAME), or one too long for the buffer (FNERR_BUFFERTOOSMALL).
constexpr std::uint32_t kInvalidFileName = 0x3002;
constexpr std::uint32_t kBufferTooSmall = 0x3003;

// A failure: its code in hexadecimal as a line on standard error; the result is empty.
std::string failure(std::uint32_t code) {
    writeLine(formatUnsigned(code, kHex));
    return "";
}

// The folder the dialog opens in: the path itself when it is a folder, else its
// parent; dropped (empty) when it does not exist.
std::string initialDirectory(const std::string& initialPath) {
    if (initialPath.empty()) return "";
    const std::string directory =
        FileStatus(initialPath).isDirectory() ? initialPath : parentDirectory(initialPath.c_str());
    return pathExists(directory, false) ? directory : "";
}

}  // namespace

std::string filterList(const std::string& filter) {
    // A filter whose last entry lacks its closing '|' gets one more NUL, so the
    // list always ends within the string.
    const std::string text = filter.c_str();
    std::string list = replaceChar(text.empty() ? kDefaultFilter : text, kFilterSeparator, '\0');
    if (list.back() != '\0') list.push_back('\0');
    return list;
}

std::string openFileDialog(platform::WindowHandle owner, const std::string& initialPath,
                           const std::string& filter, const std::string& title) {
    const std::string directory = initialDirectory(initialPath.c_str());
    const std::string filters = filterList(filter);

    platform::OpenFileRequest request;
    request.owner = owner;
    request.filter = filters.c_str();
    request.filterIndex = 0;
    request.maxFile = kFileNameBufferSize;
    request.initialDir = directory.c_str();
    request.title = title.c_str();
    request.flags = kHideReadOnly;

    std::wstring chosen;
    if (!platform::getOpenFileName(request, chosen)) {
        const std::uint32_t code = platform::commDlgExtendedError();
        return code != 0 ? failure(code) : "";
    }
    const std::string path = pickedPathText(chosen);
    if (path.empty()) return failure(kInvalidFileName);
    if (path.size() >= kFileNameBufferSize) return failure(kBufferTooSmall);
    return path;
}

}  // namespace pickpath
