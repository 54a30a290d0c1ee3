#include "strutil/split.h"

namespace pickpath {
namespace {

bool isQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

StringList splitString(const std::string& text, char delimiter) {
    const char delimiters[] = {delimiter, '\0'};
    return splitOnAny(text, delimiters);
}

StringList splitOnAny(const std::string& input, const char* delimiters) {
    const std::string text = input.c_str();  // scanned up to the first NUL only
    StringList pieces;
    std::string::size_type pos = 0;
    while (pos < text.size()) {
        std::string::size_type searchFrom = pos;
        if (isQuote(text[pos])) {
            const std::string::size_type close = text.find(text[pos], pos + 1);
            if (close == std::string::npos) break;
            searchFrom = close + 1;
        }
        const std::string::size_type delim = text.find_first_of(delimiters, searchFrom);
        if (delim == std::string::npos) break;
        pieces.push_back(text.substr(pos, delim - pos));
        pos = delim + 1;
    }
    if (pos < text.size()) pieces.push_back(text.substr(pos));
    return pieces;
}

}  // namespace pickpath
