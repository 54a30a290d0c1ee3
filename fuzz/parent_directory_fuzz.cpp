// parentDirectory is the text before its last backslash, or before its last
// '/' when it has no backslash, or "\" when it has neither.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pathutil/path_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string text = input.c_str();
    const std::string got = pickpath::parentDirectory(input);
    if (got != pickpath::parentDirectory(input.c_str())) std::abort();
    const bool hasBackslash = text.find('\\') != std::string::npos;
    const char cut = hasBackslash ? '\\' : '/';
    if (!hasBackslash && text.find('/') == std::string::npos) {
        if (got != "\\") std::abort();
        return 0;
    }
    if (text.compare(0, got.size(), got) != 0) std::abort();
    if (text[got.size()] != cut) std::abort();
    if (text.find(cut, got.size() + 1) != std::string::npos) std::abort();
    return 0;
}
