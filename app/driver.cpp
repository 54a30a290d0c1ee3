#include "app/driver.h"

#include <clocale>
#include <string>
#include <vector>

#include "app/command_line.h"
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
    const std::vector<std::string> arguments = programArguments(argc, argv);
    if (arguments.size() > 1) {
        for (std::size_t i = 1; i < arguments.size(); ++i) writeLine(arguments[i]);
    } else {
        for (;;) {
            const std::string path = pickPath(false);
            if (path.empty()) break;
            writeLine(path);
        }
    }
    writeLine(kClosingLine);
    // Without the system's own wait command nothing runs: any other file of
    // that name could be one a stranger left in the current folder.
    const std::string wait = platform::waitCommandPrefix();
    if (!wait.empty()) platform::runCommand(wait + formatInteger(kClosingWaitSeconds, kDecimal));
    return 0;
}

}  // namespace pickpath
