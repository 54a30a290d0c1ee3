#pragma once

// Independent statements of separator normalisation, shared by the unit tests
// and the fuzz targets: a direct one for paths without quote characters, taken
// character by character so that it holds for double-byte text too, and the
// composition of splits and joins that states the rule with quotes.

#include <array>
#include <string>
#include <vector>

#include "strutil/join.h"
#include "strutil/split.h"

namespace pickpath::reference {

// The characters of `text` up to its first NUL, a lead byte (by `leadBytes`)
// taking the byte after it along unless that is the NUL.
inline std::vector<std::string> characters(const std::string& text,
                                           const std::array<bool, 256>& leadBytes) {
    const std::string bytes = text.c_str();
    std::vector<std::string> result;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool pair = leadBytes[static_cast<unsigned char>(bytes[i])] && i + 1 < bytes.size();
        result.push_back(bytes.substr(i, pair ? 2 : 1));
        if (pair) ++i;
    }
    return result;
}

// For a path without quote characters: drop one trailing '\', then one trailing
// '/', turn '/' into '\', drop one more trailing '\', cut at '\' and keep the
// first two components and the non-empty others, joined by `separator`.
inline std::string normalize(const std::string& path, char separator,
                             const std::array<bool, 256>& leadBytes = {}) {
    std::vector<std::string> chars = characters(path, leadBytes);
    if (!chars.empty() && chars.back() == "\\") chars.pop_back();
    if (!chars.empty() && chars.back() == "/") chars.pop_back();
    for (std::string& c : chars) {
        if (c == "/") c = "\\";
    }
    if (!chars.empty() && chars.back() == "\\") chars.pop_back();
    std::vector<std::string> components;
    if (!chars.empty()) components.emplace_back();
    for (const std::string& c : chars) {
        if (c == "\\") {
            components.emplace_back();
        } else {
            components.back() += c;
        }
    }
    std::string result;
    bool first = true;
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i >= 2 && components[i].empty()) continue;
        if (!first) result += separator;
        result += components[i];
        first = false;
    }
    return result;
}

// The rule with quotes, in any code page, since the splits read by character:
// split on '\' and join with '\', split on '/' and join with '\', split on '\'
// and join the first two pieces and the non-empty others with `separator`.
inline std::string normalizeBySplitting(const std::string& path, char separator) {
    std::string working = joinStrings(splitString(path, '\\'), '\\');
    working = joinStrings(splitString(working, '/'), '\\');
    const StringList pieces = splitString(working, '\\');
    StringList kept;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i < 2 || !pieces[i].empty()) kept.push_back(pieces[i]);
    }
    return joinStrings(kept, separator);
}

inline bool hasQuote(const std::string& text) {
    return text.find_first_of("'\"") != std::string::npos;
}

}  // namespace pickpath::reference
