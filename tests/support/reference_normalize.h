#pragma once

// An independent, direct statement of separator normalisation for paths that
// hold no quote character, shared by the unit tests and the fuzz targets.

#include <string>
#include <vector>

namespace pickpath::reference {

inline std::string normalize(std::string path, char separator) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    if (!path.empty() && path.back() == '/') path.pop_back();
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    if (!path.empty() && path.back() == '\\') path.pop_back();
    std::vector<std::string> components;
    if (!path.empty()) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t cut = path.find('\\', start);
            components.push_back(path.substr(start, cut - start));
            if (cut == std::string::npos) break;
            start = cut + 1;
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

inline bool hasQuote(const std::string& text) {
    return text.find_first_of("'\"") != std::string::npos;
}

}  // namespace pickpath::reference
