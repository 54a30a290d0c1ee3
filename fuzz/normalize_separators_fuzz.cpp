// normalizeSeparators equals the independent statement of its rule for both
// separators, in a single-byte code page and in code page 932 (chosen by the
// input's first byte): directly for paths without quotes, through splits and
// joins of its own for paths with them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pathutil/path_helpers.h"
#include "tests/support/fake_platform.h"
#include "tests/support/reference_normalize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    pickpath::fake::useCodePage(data[0] % 2 == 1 ? 932 : 1252);
    const std::string path(reinterpret_cast<const char*>(data + 1), size - 1);
    for (char separator : {'\\', '/'}) {
        if (pickpath::normalizeSeparators(path, separator) !=
            pickpath::reference::normalize(path, separator, pickpath::fake::platform().leadBytes)) {
            std::abort();
        }
    }
    return 0;
}
