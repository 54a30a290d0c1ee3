#include "app/command_line.h"

#include <algorithm>
#include <optional>

#include "platform/platform.h"

namespace pickpath {

std::vector<std::wstring> splitCommandLine(const wchar_t* line) {
    std::vector<std::wstring> arguments;
    const wchar_t* p = line;
    std::wstring name;
    if (*p == L'"') {
        for (++p; *p != L'\0' && *p != L'"'; ++p) name += *p;
        if (*p == L'"') ++p;
    } else {
        for (; *p != L'\0' && *p != L' ' && *p != L'\t'; ++p) name += *p;
    }
    arguments.push_back(name);
    for (;;) {
        while (*p == L' ' || *p == L'\t') ++p;
        if (*p == L'\0') break;
        std::wstring argument;
        bool grouped = false;
        for (;;) {
            std::size_t backslashes = 0;
            for (; *p == L'\\'; ++p) ++backslashes;
            bool literal = true;
            if (*p == L'"') {
                if (backslashes % 2 == 0) {
                    if (grouped && p[1] == L'"') {
                        ++p;  // "" inside a group: the second quote is kept
                    } else {
                        literal = false;
                    }
                    grouped = !grouped;
                }
                backslashes /= 2;
            }
            argument.append(backslashes, L'\\');
            if (*p == L'\0' || (!grouped && (*p == L' ' || *p == L'\t'))) break;
            if (literal) argument += *p;
            ++p;
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::vector<std::string> programArguments(int argc, char** argv) {
    const std::optional<std::wstring> line = platform::wideCommandLine();
    if (!line) return std::vector<std::string>(argv, argv + std::max(argc, 0));
    std::vector<std::string> arguments;
    for (const std::wstring& wide : splitCommandLine(line->c_str())) {
        arguments.push_back(platform::narrowExact(wide).value_or(""));
    }
    return arguments;
}

}  // namespace pickpath
