#include "strutil/split.h"

#include <array>
#include <cstring>

#include "strutil/characters.h"

namespace pickpath {
namespace {

bool isQuote(char c) { return c == '"' || c == '\''; }

// Membership of every byte value in the delimiter set, for a one-step test per character.
class DelimiterSet {
public:
    explicit DelimiterSet(const char* delimiters) {
        for (const char* d = delimiters; *d != '\0'; ++d) member_[static_cast<unsigned char>(*d)] = true;
    }

    bool operator()(char c) const { return member_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> member_{};
};

// Index of the first character in text[from, end) that `wanted` accepts, or
// `end`. Only a one-byte character counts: the second byte of a double-byte
// character is never taken for a delimiter or a quote. `from` begins a character.
template <typename Wanted>
std::size_t findCharacter(const std::string& text, std::size_t from, std::size_t end, Wanted wanted) {
    for (std::size_t length = 1; from < end; from += length) {
        length = characterLength(text, from);
        if (length == 1 && wanted(text[from])) return from;
    }
    return end;
}

}  // namespace

StringList splitString(const std::string& text, char delimiter) {
    const char delimiters[] = {delimiter, '\0'};
    return splitOnAny(text, delimiters);
}

StringList splitOnAny(const std::string& text, const char* delimiters) {
    const std::size_t end = std::strlen(text.c_str());  // scanned up to the first NUL only
    const DelimiterSet isDelimiter(delimiters);
    // Reserved up front: growing a large list step by step costs more than the scan.
    std::size_t delimiterCount = 0;
    for (std::size_t at = findCharacter(text, 0, end, isDelimiter); at < end;
         at = findCharacter(text, at + 1, end, isDelimiter)) {
        ++delimiterCount;
    }
    StringList pieces;
    pieces.reserve(delimiterCount + 1);
    std::size_t pos = 0;
    while (pos < end) {
        std::size_t searchFrom = pos;
        if (isQuote(text[pos])) {
            const char quote = text[pos];
            const std::size_t close = findCharacter(text, pos + 1, end, [quote](char c) { return c == quote; });
            if (close == end) break;
            searchFrom = close + 1;
        }
        const std::size_t delimiter = findCharacter(text, searchFrom, end, isDelimiter);
        if (delimiter == end) break;
        pieces.emplace_back(text, pos, delimiter - pos);
        pos = delimiter + 1;
    }
    if (pos < end) pieces.emplace_back(text, pos, end - pos);
    return pieces;
}

}  // namespace pickpath
