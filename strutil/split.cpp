#include "strutil/split.h"

#include <array>
#include <cstring>

namespace pickpath {
namespace {

bool isQuote(char c) { return c == '"' || c == '\''; }

// Membership of every byte value in the delimiter set, for a one-step test per character.
class DelimiterSet {
public:
    explicit DelimiterSet(const char* delimiters) {
        for (const char* d = delimiters; *d != '\0'; ++d) member_[static_cast<unsigned char>(*d)] = true;
    }

    // How many delimiters text[0, end) holds: one less than the most pieces it can give.
    std::size_t count(const char* text, std::size_t end) const {
        std::size_t found = 0;
        for (std::size_t i = 0; i < end; ++i) found += member_[static_cast<unsigned char>(text[i])];
        return found;
    }

    // Index of the first delimiter in text[from, end), or `end` when there is none.
    std::size_t find(const char* text, std::size_t from, std::size_t end) const {
        while (from < end && !member_[static_cast<unsigned char>(text[from])]) ++from;
        return from;
    }

private:
    std::array<bool, 256> member_{};
};

}  // namespace

StringList splitString(const std::string& text, char delimiter) {
    const char delimiters[] = {delimiter, '\0'};
    return splitOnAny(text, delimiters);
}

StringList splitOnAny(const std::string& input, const char* delimiters) {
    const char* text = input.c_str();
    const std::size_t end = std::strlen(text);  // scanned up to the first NUL only
    const DelimiterSet set(delimiters);
    StringList pieces;
    // Reserved up front: growing a large list step by step costs more than the scan.
    pieces.reserve(set.count(text, end) + 1);
    std::size_t pos = 0;
    while (pos < end) {
        std::size_t searchFrom = pos;
        if (isQuote(text[pos])) {
            const void* close = std::memchr(text + pos + 1, text[pos], end - pos - 1);
            if (close == nullptr) break;
            searchFrom = static_cast<std::size_t>(static_cast<const char*>(close) - text) + 1;
        }
        const std::size_t delimiter = set.find(text, searchFrom, end);
        if (delimiter == end) break;
        pieces.emplace_back(text + pos, delimiter - pos);
        pos = delimiter + 1;
    }
    if (pos < end) pieces.emplace_back(text + pos, end - pos);
    return pieces;
}

}  // namespace pickpath
