// normalizeSeparators equals the independent statements of its rule for both
// separators, in a single-byte code page and in code page 932 (chosen by the
// input's first byte): the splits and joins, quotes included, which read by
// character as normalizeSeparators does; and in 932 also the direct rule
// applied to characters, for paths without quotes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pathutil/path_helpers.h"
#include "tests/support/fake_platform.h"
#include "tests/support/reference_normalize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool doubleByte = data[0] % 2 == 1;
    pickpath::fake::useCodePage(doubleByte ? 932 : 1252);
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string path = input.c_str();
    const auto& leadBytes = pickpath::fake::platform().leadBytes;
    for (char separator : {'\\', '/'}) {
        const std::string got = pickpath::normalizeSeparators(input, separator);
        if (got != pickpath::reference::normalizeBySplitting(path, separator)) std::abort();
        if (doubleByte && !pickpath::reference::hasQuote(path) &&
            got != pickpath::reference::normalize(path, separator, leadBytes)) {
            std::abort();
        }
    }
    return 0;
}
