#include "strutil/split.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "strutil/characters.h"

namespace pickpath {
namespace {

// Every lead byte of a double-byte code page has its high bit set.
constexpr unsigned char kFirstNonAscii = 0x80;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

bool isQuote(char c) { return c == '"' || c == '\''; }

unsigned char byteOf(char c) { return static_cast<unsigned char>(c); }

bool isAscii(char c) { return byteOf(c) < kFirstNonAscii; }

// Whether no byte of text[0, end) has its high bit set, eight bytes a step:
// then no byte can lead a character, and every byte is one.
bool allAscii(const char* text, std::size_t end) {
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (std::uint64_t word = 0; i + sizeof word <= end; i += sizeof word) {
        std::memcpy(&word, text + i, sizeof word);
        bits |= word;
    }
    for (; i < end; ++i) bits |= byteOf(text[i]);
    return (bits & kHighBits) == 0;
}

// The searches of a split over text[0, end), text[end] being a NUL; each
// starts at a character. By character, a delimiter or a quote is a character
// of one byte, never the second byte of a double-byte one. By byte, every byte
// is taken for a character, which is exact for ASCII text and faster.
template <bool kByCharacter>
class Searches {
public:
    Searches(const std::string& text, std::size_t end, const char* delimiters)
        : text_(text), bytes_(text.c_str()), end_(end) {
        for (const char* d = delimiters; *d != '\0'; ++d) delimiter_[byteOf(*d)] = true;
    }

    // How many delimiters the text holds: one less than the most pieces it can give.
    std::size_t countDelimiters() const {
        std::size_t found = 0;
        if (kByCharacter) {
            for (std::size_t at = findDelimiter(0); at < end_; at = findDelimiter(at + 1)) ++found;
        } else {
            for (std::size_t i = 0; i < end_; ++i) found += delimiter_[byteOf(bytes_[i])];
        }
        return found;
    }

    // Index of the first delimiter at or after `from`, or `end` when there is none.
    std::size_t findDelimiter(std::size_t from) const {
        while (true) {
            while (from < end_ && !delimiter_[byteOf(bytes_[from])] &&
                   (!kByCharacter || isAscii(bytes_[from]))) {
                ++from;
            }
            if (!kByCharacter || from == end_ || isAscii(bytes_[from])) return from;
            // A byte with its high bit set is a delimiter only as a character of its own.
            const std::size_t length = characterLength(text_, from);
            if (length == 1 && delimiter_[byteOf(bytes_[from])]) return from;
            from += length;
        }
    }

    // Index of the first `quote` at or after `from`, or `end` when there is none.
    std::size_t findQuote(std::size_t from, char quote) const {
        if (kByCharacter) {
            while (from < end_ && bytes_[from] != quote) from += characterLength(text_, from);
            return from;
        }
        const auto* found = static_cast<const char*>(std::memchr(bytes_ + from, quote, end_ - from));
        return found == nullptr ? end_ : static_cast<std::size_t>(found - bytes_);
    }

private:
    const std::string& text_;
    const char* bytes_;
    std::size_t end_;
    std::array<bool, 256> delimiter_{};
};

template <bool kByCharacter>
StringList split(const std::string& text, std::size_t end, const char* delimiters) {
    const Searches<kByCharacter> searches(text, end, delimiters);
    const char* bytes = text.c_str();
    StringList pieces;
    // Reserved up front: growing a large list step by step costs more than the scan.
    pieces.reserve(searches.countDelimiters() + 1);
    std::size_t pos = 0;
    while (pos < end) {
        std::size_t searchFrom = pos;
        if (isQuote(bytes[pos])) {
            const std::size_t close = searches.findQuote(pos + 1, bytes[pos]);
            if (close == end) break;
            searchFrom = close + 1;
        }
        const std::size_t delimiter = searches.findDelimiter(searchFrom);
        if (delimiter == end) break;
        pieces.emplace_back(bytes + pos, delimiter - pos);
        pos = delimiter + 1;
    }
    if (pos < end) pieces.emplace_back(bytes + pos, end - pos);
    return pieces;
}

}  // namespace

StringList splitString(const std::string& text, char delimiter) {
    const char delimiters[] = {delimiter, '\0'};
    return splitOnAny(text, delimiters);
}

StringList splitOnAny(const std::string& text, const char* delimiters) {
    const std::size_t end = std::strlen(text.c_str());  // scanned up to the first NUL only
    if (allAscii(text.c_str(), end)) return split<false>(text, end, delimiters);
    return split<true>(text, end, delimiters);
}

}  // namespace pickpath
