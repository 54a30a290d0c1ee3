#pragma once

#include <string>
#include <vector>

namespace pickpath {

// Splits a command line into arguments by the rules of the C runtime's argv
// (msvcrt): the program name runs to its closing quote, or else to the first
// space or tab, with no escapes. After it, spaces and tabs separate arguments;
// quotes group and are dropped; 2n backslashes before a quote give n and the
// quote groups, 2n+1 give n and a literal quote; other backslashes are kept;
// "" inside a group gives one quote and ends the group.
// The line  p.exe a "b c" "" x\"y  gives p.exe, a, b c, an empty argument, x"y.
std::vector<std::wstring> splitCommandLine(const wchar_t* line);

// The program's arguments, its name first, as narrow texts: where the platform
// holds the whole command line, split from it as above, an argument that the
// ANSI code page cannot hold exactly coming back empty; elsewhere `argv` as it is.
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace pickpath
