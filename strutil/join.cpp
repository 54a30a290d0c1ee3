#include "strutil/join.h"

#include <cstddef>
#include <cstring>

namespace pickpath {
namespace {

// A chunk is set aside after the element whose index modulo kChunkSize equals
// kChunkBoundary, without its separator; the join of the chunks puts it back.
constexpr std::size_t kChunkSize = 128;
constexpr std::size_t kChunkBoundary = 100;

bool endsChunk(std::size_t i) { return i % kChunkSize == kChunkBoundary; }

// Bytes of the first chunk, so it is allocated once.
std::size_t firstChunkLength(const StringList& list, std::size_t separatorLength) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        length += list[i].size();
        if (i + 1 == list.size() || endsChunk(i)) break;
        length += separatorLength;
    }
    return length;
}

}  // namespace

std::string joinStrings(const StringList& list, char separator) {
    return joinStrings(list, std::string(1, separator));
}

std::string joinStrings(const StringList& list, const std::string& separator) {
    return joinChunked(list, separator.c_str());
}

std::string joinChunked(const StringList& list, const char* separator) {
    const std::size_t separatorLength = std::strlen(separator);
    StringList chunks;
    std::string accumulator;
    accumulator.reserve(firstChunkLength(list, separatorLength));
    for (std::size_t i = 0; i < list.size(); ++i) {
        accumulator += list[i];
        if (i + 1 == list.size()) break;
        if (endsChunk(i)) {
            // Chunks are mostly alike: start the next one with this one's size.
            const std::size_t previous = accumulator.size();
            chunks.push_back(std::move(accumulator));
            accumulator = std::string();
            accumulator.reserve(previous);
        } else if (separatorLength == 1) {
            accumulator.push_back(*separator);
        } else {
            accumulator.append(separator, separatorLength);
        }
    }
    chunks.push_back(std::move(accumulator));
    if (chunks.size() == 1) return std::move(chunks.front());
    return joinChunked(chunks, separator);
}

}  // namespace pickpath
