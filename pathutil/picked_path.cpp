#include "pathutil/picked_path.h"

#include <algorithm>
#include <optional>

#include "platform/platform.h"

namespace pickpath {
namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Where the component that ends `path` begins.
std::size_t lastComponentStart(const std::wstring& path) {
    std::size_t start = path.size();
    while (start > 0 && !isSeparator(path[start - 1])) --start;
    return start;
}

// The folder that holds the last component of `path` (which has a separator),
// without its closing separator unless it is a root, where that separator
// matters: "C:" is the drive's current folder, "C:\" its root.
std::wstring folderOf(const std::wstring& path) {
    const std::size_t name = lastComponentStart(path);
    const std::wstring folder = path.substr(0, name - 1);
    const bool driveRoot = folder.size() == 2 && folder[1] == L':';
    const bool shareRoot = folder.size() > 2 && isSeparator(folder[0]) && isSeparator(folder[1]) &&
                           std::count_if(folder.begin() + 2, folder.end(), isSeparator) == 1;
    return driveRoot || shareRoot ? path.substr(0, name) : folder;
}

// The path of the item that `picked` names in this process's view, the one
// the dialog listed. Only under WOW64 can a 64-bit program find another item
// there, or none; then the item's own path, "" when it cannot be named.
std::wstring listedPath(const std::wstring& picked) {
    if (!platform::fileSystemRedirected()) return picked;
    // A name typed into the dialog need not exist yet: then its folder decides.
    std::wstring item = picked;
    std::wstring rest;
    std::optional<platform::FileIdentity> seen = platform::fileIdentity(item, platform::FileView::kProcess);
    if (!seen) {
        if (lastComponentStart(picked) == 0) return picked;
        item = folderOf(picked);
        rest = picked.substr(item.size());
        seen = platform::fileIdentity(item, platform::FileView::kProcess);
        if (!seen) return picked;
    }
    if (platform::fileIdentity(item, platform::FileView::kNative) == seen) return picked;
    const std::wstring listed = platform::finalPath(item);
    if (listed.empty() || !(platform::fileIdentity(listed, platform::FileView::kNative) == seen)) {
        return L"";
    }
    return listed + rest;
}

// `path` with each component that the ANSI code page cannot hold in its short
// form, taken from the short path of the components up to it; "" when one has
// no short form that the code page holds.
std::wstring withShortNames(const std::wstring& path) {
    std::wstring result;
    for (std::size_t start = 0; start <= path.size();) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        std::wstring component = path.substr(start, end - start);
        if (!platform::narrowExact(component)) {
            const std::wstring shortPath = platform::shortPathName(path.substr(0, end));
            component = shortPath.substr(lastComponentStart(shortPath));
            if (component.empty() || !platform::narrowExact(component)) return L"";
        }
        result += component;
        if (end < path.size()) result += path[end];
        start = end + 1;
    }
    return result;
}

// Whether `shortened`, `listed` with short names, names the same item: its
// long form is `listed`, ignoring case. A name typed into the dialog need not
// exist yet, nor the folders typed before it ("папка\nosub\new.txt"), and
// what does not exist has no long form: then the longest part that exists
// decides, and every component after it must be the one typed.
bool namesListedItem(std::wstring shortened, std::wstring listed) {
    for (;;) {
        const std::wstring longForm = platform::longPathName(shortened);
        if (!longForm.empty()) return platform::sameFileName(longForm, listed);
        const std::size_t name = lastComponentStart(shortened);
        if (name == 0 || name == shortened.size() ||
            shortened.substr(name) != listed.substr(lastComponentStart(listed))) {
            return false;
        }
        shortened = folderOf(shortened);
        listed = folderOf(listed);
    }
}

}  // namespace

std::string pickedPathText(const std::wstring& picked) {
    const std::wstring listed = listedPath(picked);
    if (const std::optional<std::string> exact = platform::narrowExact(listed)) return *exact;
    const std::wstring shortened = withShortNames(listed);
    if (shortened.empty() || !namesListedItem(shortened, listed)) return "";
    return platform::narrowExact(shortened).value_or("");
}

}  // namespace pickpath
