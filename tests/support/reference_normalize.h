#pragma once

// Independent statements of the string tools' rules, shared by the unit tests
// and the fuzz targets. They take text as a list of characters, so that they
// hold for double-byte code pages too, and use nothing of the product.

#include <array>
#include <string>
#include <vector>

namespace pickpath::reference {

using LeadBytes = std::array<bool, 256>;

// The characters of `text` over its full length, a lead byte (by `leadBytes`)
// taking the byte after it along unless that is a NUL or the end.
inline std::vector<std::string> characters(const std::string& text, const LeadBytes& leadBytes) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = leadBytes[static_cast<unsigned char>(text[i])] && i + 1 < text.size() &&
                          text[i + 1] != '\0';
        result.push_back(text.substr(i, pair ? 2 : 1));
        if (pair) ++i;
    }
    return result;
}

// The pieces of `text` (up to its first NUL) between characters of `delimiters`:
// a piece that opens with ' or " is not cut before the same quote closes it, and
// an empty last piece is dropped.
inline std::vector<std::string> split(const std::string& text, const std::string& delimiters,
                                      const LeadBytes& leadBytes = {}) {
    std::vector<std::string> pieces;
    std::string piece;
    std::string quote;  // the open quote, if any
    for (const std::string& c : characters(text.c_str(), leadBytes)) {
        if (!quote.empty()) {
            if (c == quote) quote.clear();
        } else if (piece.empty() && (c == "'" || c == "\"")) {
            quote = c;
        } else if (c.size() == 1 && delimiters.find(c[0]) != std::string::npos) {
            pieces.push_back(piece);
            piece.clear();
            continue;
        }
        piece += c;
    }
    if (!piece.empty()) pieces.push_back(piece);
    return pieces;
}

inline std::string join(const std::vector<std::string>& list, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) joined += (i == 0 ? "" : separator) + list[i];
    return joined;
}

// Separator normalisation. Without quotes: drop a trailing '\', then '/', then '\' or '/',
// and cut at either; with quotes: split on '\' and join with '\', split on '/' and join
// with '\', cut at '\'. Keep the first two components and the non-empty others.
inline std::string normalize(const std::string& path, char separator, const LeadBytes& leadBytes = {}) {
    const std::string text = path.c_str();
    std::vector<std::string> components;
    if (text.find_first_of("'\"") != std::string::npos) {
        std::string working = join(split(text, "\\", leadBytes), "\\");
        working = join(split(working, "/", leadBytes), "\\");
        components = split(working, "\\", leadBytes);
    } else {
        std::vector<std::string> chars = characters(text, leadBytes);
        if (!chars.empty() && chars.back() == "\\") chars.pop_back();
        if (!chars.empty() && chars.back() == "/") chars.pop_back();
        if (!chars.empty() && (chars.back() == "\\" || chars.back() == "/")) chars.pop_back();
        if (!chars.empty()) components.emplace_back();
        for (const std::string& c : chars) {
            if (c == "\\" || c == "/") {
                components.emplace_back();
            } else {
                components.back() += c;
            }
        }
    }
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i < 2 || !components[i].empty()) kept.push_back(components[i]);
    }
    return join(kept, std::string(1, separator));
}

}  // namespace pickpath::reference
