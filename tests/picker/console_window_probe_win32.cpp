// Checks the console-window lookup against the platform's own answer. Wine
// creates a console's window only when GetConsoleWindow asks for it (Windows
// always has one), so this asks first, then looks the window up by title.
#include <windows.h>

#include "app/write_line.h"
#include "picker/pick_path.h"

int main() {
    const HWND console = GetConsoleWindow();
    const HWND found = static_cast<HWND>(pickpath::findConsoleWindow());
    if (console == nullptr) {
        pickpath::writeLine("no console window");
    } else if (found == console) {
        pickpath::writeLine("lookup found the console window");
    } else {
        pickpath::writeLine("lookup missed the console window");
    }
    return 0;
}
