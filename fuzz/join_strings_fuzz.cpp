// joinStrings equals a plain join for any list; the input's bytes, cut at each
// 0xFF, form the list, and its first byte is the separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "strutil/join.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const char separator = static_cast<char>(data[0]);
    pickpath::StringList list;
    std::string current;
    // A few long runs of repeated elements reach the chunk boundaries.
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0xFF) {
            list.push_back(current);
            current.clear();
        } else if (data[i] == 0xFE) {
            list.insert(list.end(), 150, current);
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    list.push_back(current);

    std::string plain;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i != 0 && separator != '\0') plain.push_back(separator);
        plain += list[i];
    }
    if (pickpath::joinStrings(list, separator) != plain) std::abort();
    return 0;
}
