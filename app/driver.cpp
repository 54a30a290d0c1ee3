#include "app/driver.h"

#include <clocale>
#include <string>

#include "app/write_line.h"
#include "picker/pick_path.h"
#include "platform/platform.h"
#include "strutil/format_integer.h"

namespace pickpath {
namespace {

constexpr char kClosingLine[] = "Test";
constexpr int kClosingWaitSeconds = 5;
constexpr unsigned kDecimal = 10;

}  // namespace

int runDriver(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) writeLine(argv[i]);
    } else {
        for (;;) {
            const std::string path = pickPath(false);
            if (path.empty()) break;
            writeLine(path);
        }
    }
    writeLine(kClosingLine);
    platform::runCommand(platform::waitCommandPrefix() +
                         formatInteger(kClosingWaitSeconds, kDecimal));
    return 0;
}

}  // namespace pickpath
