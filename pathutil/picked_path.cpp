#include "pathutil/picked_path.h"

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
        const std::size_t name = lastComponentStart(picked);
        if (name == 0) return picked;
        item = picked.substr(0, name - 1);
        rest = picked.substr(name - 1);
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

}  // namespace

std::string pickedPathText(const std::wstring& picked) {
    const std::wstring listed = listedPath(picked);
    if (const std::optional<std::string> exact = platform::narrowExact(listed)) return *exact;
    const std::wstring shortened = withShortNames(listed);
    if (shortened.empty() || !platform::sameFileName(platform::longPathName(shortened), listed)) {
        return "";
    }
    return platform::narrowExact(shortened).value_or("");
}

}  // namespace pickpath
