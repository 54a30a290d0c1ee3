// A test program for the picker: for each argument it makes one pick and
// writes the result as a line (an empty line for a cancel):
//   picker_probe file folder folder   the Open dialog, then the folder browser twice
//   picker_probe owner                whether the console window was found
//   cd=DIR, run=COMMAND               between picks, DIR becomes the current folder; COMMAND runs
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/write_line.h"
#include "picker/pick_path.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        if (step == "owner") {
            pickpath::writeLine(pickpath::findConsoleWindow() != nullptr ? "owner found" : "owner null");
        } else if (step.rfind("cd=", 0) == 0) {
            std::filesystem::current_path(step.substr(3));
        } else if (step.rfind("run=", 0) == 0) {
            [[maybe_unused]] const int status = std::system(step.substr(4).c_str());
        } else {
            pickpath::writeLine(pickpath::pickPath(step == "folder"));
        }
    }
    return 0;
}
