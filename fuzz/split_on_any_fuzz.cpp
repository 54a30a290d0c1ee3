// The pieces, in order and each followed by one delimiter of the set (the
// last one only when the text goes on), rebuild the text up to its first NUL;
// an unquoted piece holds no delimiter.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "strutil/split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t setLength = data[0] % 4;
    if (size < 1 + setLength) return 0;
    const std::string delimiters(reinterpret_cast<const char*>(data + 1), setLength);
    const std::string input(reinterpret_cast<const char*>(data + 1 + setLength), size - 1 - setLength);
    const std::string set = delimiters.c_str();
    const std::string text = input.c_str();
    const auto isDelimiter = [&](char c) { return set.find(c) != std::string::npos; };

    const pickpath::StringList pieces = pickpath::splitOnAny(input, set.c_str());
    std::size_t pos = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        if (text.compare(pos, piece.size(), piece) != 0) std::abort();
        const bool quoted = !piece.empty() && (piece[0] == '\'' || piece[0] == '"');
        if (!quoted && piece.find_first_of(set) != std::string::npos) std::abort();
        pos += piece.size();
        if (pos == text.size()) {
            if (i + 1 != pieces.size()) std::abort();
            break;
        }
        if (!isDelimiter(text[pos])) std::abort();
        ++pos;
    }
    if (pos != text.size()) std::abort();
    return 0;
}
