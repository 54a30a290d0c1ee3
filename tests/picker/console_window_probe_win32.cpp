// Checks the console-window lookup against the platform's own answer. Wine
// creates a console's window only when GetConsoleWindow asks for it (Windows
// always has one), so this asks first, then looks the window up by title. The
// console's title, Cyrillic beyond the console's code page, must come back as
// it was.
#include <windows.h>

#include <string>

#include "app/write_line.h"
#include "picker/pick_path.h"

int main() {
    const HWND console = GetConsoleWindow();
    const std::wstring title = L"C:\\Users\\\u0418\u0432\u0430\u043d";
    SetConsoleTitleW(title.c_str());
    const HWND found = static_cast<HWND>(pickpath::findConsoleWindow());
    if (console == nullptr) {
        pickpath::writeLine("no console window");
    } else if (found == console) {
        pickpath::writeLine("lookup found the console window");
    } else {
        pickpath::writeLine("lookup missed the console window");
    }
    wchar_t after[1024] = {};
    GetConsoleTitleW(after, 1024);
    pickpath::writeLine(after == title ? "title kept" : "title changed");
    return 0;
}
