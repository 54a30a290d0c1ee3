#include "pathutil/path_helpers.h"

#include <cstring>

#include "strutil/join.h"
#include "strutil/split.h"

namespace pickpath {
namespace {

// Components at these leading positions are kept even when empty, so that a
// UNC prefix ("\\server") or a leading separator survives normalisation.
constexpr std::size_t kKeptLeadingComponents = 2;

}  // namespace

std::string normalizeSeparators(const std::string& path, char separator) {
    std::string working = path;
    working = joinStrings(splitString(working, kBackslash), kBackslash);
    working = joinStrings(splitString(working, kSlash), kBackslash);
    StringList components = splitString(working, kBackslash);
    StringList kept;
    kept.reserve(components.size());
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i < kKeptLeadingComponents || !components[i].empty()) {
            kept.push_back(std::move(components[i]));
        }
    }
    return joinStrings(kept, separator);
}

std::string parentDirectory(const std::string& path) {
    return parentDirectory(path.c_str());
}

std::string parentDirectory(const char* path) {
    const std::string text = path;
    std::string::size_type cut = text.rfind(kBackslash);
    if (cut == std::string::npos) cut = text.rfind(kSlash);
    if (cut == std::string::npos) return std::string(1, kBackslash);
    return text.substr(0, cut);
}

std::size_t findChar(const std::string& text, char character, std::size_t start) {
    const char* found = std::strchr(text.c_str() + start, character);
    if (found == nullptr || *found == '\0') return npos;
    return static_cast<std::size_t>(found - text.c_str());
}

}  // namespace pickpath
