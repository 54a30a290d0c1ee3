// Stands in for Windows' own timeout.exe in the test prefix's system folder
// (Wine ships none). It appends its arguments, as "[5]" and a line end, to the
// file that PICKPATH_TIMEOUT_LOG names, and returns. Built with
// PICKPATH_LOG_VARIABLE set, it records to the file that variable names: the
// end-to-end test plants such a copy where no timeout may run from, or names
// it as COMSPEC. It first writes PICKPATH_TIMEOUT_SAYS, if set, as a line on
// standard error, and waits PICKPATH_TIMEOUT_DELAY seconds, if set. With
// PICKPATH_TIMEOUT_FOLDER set it records its current folder too: "[5] C:\dir".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef PICKPATH_LOG_VARIABLE
#define PICKPATH_LOG_VARIABLE "PICKPATH_TIMEOUT_LOG"
#endif

int main(int argc, char** argv) {
    if (const char* says = std::getenv("PICKPATH_TIMEOUT_SAYS")) std::fprintf(stderr, "%s\n", says);
    if (const char* delay = std::getenv("PICKPATH_TIMEOUT_DELAY")) Sleep(1000 * std::atoi(delay));
    const char* log = std::getenv(PICKPATH_LOG_VARIABLE);
    if (log == nullptr || *log == '\0') return 0;
    std::string line = "[";
    for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
    char folder[MAX_PATH] = "";
    if (std::getenv("PICKPATH_TIMEOUT_FOLDER")) GetCurrentDirectoryA(MAX_PATH, folder);
    line += std::string("]") + (*folder ? " " : "") + folder + "\n";
    if (std::FILE* file = std::fopen(log, "a")) {
        std::fputs(line.c_str(), file);
        std::fclose(file);
    }
    return 0;
}
