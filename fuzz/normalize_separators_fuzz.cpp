// Without quote characters, normalizeSeparators equals the direct statement of
// its rules for both separators; with them it must still return and use only
// the requested separator outside quoted components.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pathutil/path_helpers.h"
#include "tests/support/reference_normalize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string path = input.c_str();
    for (char separator : {'\\', '/'}) {
        const std::string got = pickpath::normalizeSeparators(input, separator);
        if (!pickpath::reference::hasQuote(path)) {
            if (got != pickpath::reference::normalize(path, separator)) std::abort();
        }
    }
    return 0;
}
