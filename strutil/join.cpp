#include "strutil/join.h"

#include <cstddef>

namespace pickpath {
namespace {

// A chunk is set aside after the element whose index modulo kChunkSize equals
// kChunkBoundary, without its separator; the join of the chunks puts it back.
constexpr std::size_t kChunkSize = 128;
constexpr std::size_t kChunkBoundary = 100;

}  // namespace

std::string joinStrings(const StringList& list, char separator) {
    return joinStrings(list, std::string(1, separator));
}

std::string joinStrings(const StringList& list, const std::string& separator) {
    return joinChunked(list, separator.c_str());
}

std::string joinChunked(const StringList& list, const char* separator) {
    StringList chunks;
    std::string accumulator;
    for (std::size_t i = 0; i < list.size(); ++i) {
        accumulator += list[i];
        if (i + 1 == list.size()) break;
        if (i % kChunkSize == kChunkBoundary) {
            chunks.push_back(std::move(accumulator));
            accumulator.clear();
        } else {
            accumulator += separator;
        }
    }
    chunks.push_back(std::move(accumulator));
    if (chunks.size() == 1) return std::move(chunks.front());
    return joinChunked(chunks, separator);
}

}  // namespace pickpath
