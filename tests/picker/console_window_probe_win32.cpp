// Checks the console-window lookup against GetConsoleWindow, asked first as Wine makes
// the window only then. The Cyrillic title, beyond the code page, must come back as it was.
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
