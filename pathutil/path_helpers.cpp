#include "pathutil/path_helpers.h"

#include "strutil/characters.h"
#include "strutil/join.h"
#include "strutil/split.h"

namespace pickpath {
namespace {

// Components at these leading positions are kept even when empty, so that a
// UNC prefix ("\\server") or a leading separator survives normalisation.
constexpr std::size_t kKeptLeadingComponents = 2;

}  // namespace

// Each split drops one trailing separator and leaves quoted stretches whole;
// the one on '/' turns the slashes that cut into backslashes.
std::string normalizeSeparators(const std::string& path, char separator) {
    std::string working = joinStrings(splitString(path, kBackslash), kBackslash);
    working = joinStrings(splitString(working, kSlash), kBackslash);
    const StringList components = splitString(working, kBackslash);
    StringList kept;
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i < kKeptLeadingComponents || !components[i].empty()) kept.push_back(components[i]);
    }
    return joinStrings(kept, separator);
}

std::string parentDirectory(const std::string& path) {
    return parentDirectory(path.c_str());
}

std::string parentDirectory(const char* path) {
    const std::string text = path;
    std::size_t lastBackslash = npos;
    std::size_t lastSlash = npos;
    for (std::size_t i = 0; i < text.size(); i += characterLength(text, i)) {
        if (text[i] == kBackslash) lastBackslash = i;
        if (text[i] == kSlash) lastSlash = i;
    }
    const std::size_t cut = lastBackslash != npos ? lastBackslash : lastSlash;
    if (cut == npos) return std::string(1, kBackslash);
    return text.substr(0, cut);
}

std::size_t findChar(const std::string& text, char character, std::size_t start) {
    for (std::size_t i = start, length = 0; i < text.size() && text[i] != '\0'; i += length) {
        length = characterLength(text, i);
        if (length == 1 && text[i] == character) return i;
    }
    return npos;
}

}  // namespace pickpath
