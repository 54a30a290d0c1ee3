#pragma once

// The thin operating-system layer. Each function stands for one Windows or C
// runtime call; the build links exactly one of platform_win32.cpp (those calls),
// platform_posix.cpp (stand-ins for them) or, for unit tests, the scripted fake in
// tests/support/fake_platform.cpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pickpath::platform {

// A window handle; nullptr means "no window" (a dialog without owner).
using WindowHandle = void*;
// A shell item id list returned by the folder browser.
using IdList = void*;

// --- process and command interpreter -------------------------------------

// Process set-up before any output: on POSIX, ignore SIGPIPE so that writing to a
// closed pipe fails quietly instead of killing the process.
void prepareProcess();

// The program's arguments, its name first, as narrow texts. On Windows they are
// split from the wide command line as the C runtime splits argv; an argument the
// ANSI code page cannot hold exactly comes back empty. Elsewhere `argv` as it is.
std::vector<std::string> programArguments(int argc, char** argv);

// The platform's command that waits N seconds, with its trailing space:
// "\"C:\Windows\system32\timeout.exe\" " (the system's own, by full path) or
// "sleep ". Empty when the platform cannot name it.
std::string waitCommandPrefix();

// Runs `command` through the command interpreter and waits for it; the result is the runtime's.
int runCommand(const std::string& command);

// --- console and windows --------------------------------------------------

// Copies the console title into `buffer` of `size` bytes (GetConsoleTitleA).
std::uint32_t getConsoleTitle(char* buffer, std::uint32_t size);
bool setConsoleTitle(const char* title);
std::uint32_t currentProcessId();
std::uint32_t tickCount();
void sleepMilliseconds(std::uint32_t milliseconds);
// Any top-level window whose title is `title`, or nullptr (FindWindowA(NULL, title)).
WindowHandle findWindowByTitle(const char* title);
// The window of the console this process is attached to, or nullptr when it has
// none (GetConsoleWindow). Under Windows Terminal it is a window that the
// Terminal's own window owns.
WindowHandle consoleWindow();
std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam);

// --- the Open dialog --------------------------------------------------------

// The fields of the platform's dialog record that the system sets; all others are zero.
struct OpenFileRequest {
    WindowHandle owner = nullptr;
    const char* filter = "";  // NUL-separated description/pattern pairs, ended by one more NUL
    std::uint32_t filterIndex = 0;
    char* file = nullptr;  // receives the chosen path
    std::uint32_t maxFile = 0;
    const char* initialDir = "";
    const char* title = "";
    std::uint32_t flags = 0;
};

// The length of a filter list, up to and including the NUL that ends it: the
// first NUL that opens the text or follows another NUL. "a\0b\0\0" gives 5; the
// empty list "" (a request's default) gives 1. Reads no byte past that NUL.
inline std::size_t filterListLength(const char* list) {
    std::size_t length = 0;
    while (list[length] != '\0' || (length > 0 && list[length - 1] != '\0')) ++length;
    return length + 1;
}

// Shows the Open dialog; true when the user confirmed a choice, whose path is
// then in `file`. A chosen path that the ANSI code page cannot hold exactly
// (it would need '?' or a look-alike letter) is a failure with code 0x3002; one
// that does not fit in `maxFile` bytes, a failure with code 0x3003.
bool getOpenFileName(OpenFileRequest& request);
// The reason the last dialog returned false: 0 for a cancel (CommDlgExtendedError).
std::uint32_t commDlgExtendedError();

// --- the folder browser ---------------------------------------------------

// Messages between the folder browser and its callback: the browser is ready;
// select the folder whose path text is in lParam (wParam 1).
constexpr std::uint32_t kBrowseInitialized = 1;
constexpr std::uint32_t kBrowseSetSelection = 0x466;

using BrowseCallback = int (*)(WindowHandle window, std::uint32_t message, std::intptr_t lParam,
                               std::intptr_t data);

// The fields of the platform's browse record that the system sets; all others are zero.
struct BrowseRequest {
    WindowHandle owner = nullptr;
    const char* title = "";
    std::uint32_t flags = 0;
    BrowseCallback callback = nullptr;
    std::intptr_t data = 0;
};

// Shows the folder browser (SHBrowseForFolderA); nullptr on cancel or failure.
IdList browseForFolder(const BrowseRequest& request);
// Writes the id list's file-system path into `buffer` of `size` bytes
// (SHGetPathFromIDList). Writes nothing and answers false for an item without
// such a path, a path that does not fit, or one the ANSI code page cannot hold exactly.
bool getPathFromIdList(IdList idList, char* buffer, std::uint32_t size);
// Releases an id list the browser returned (CoTaskMemFree).
void freeIdList(IdList idList);

// --- text ---------------------------------------------------------------

// Whether `byte` begins a double-byte character in the ANSI code page
// (IsDBCSLeadByte): 0x83 under 932, where 0x83 0x5C is one character. Never on
// POSIX, where narrow text is UTF-8 and no multi-byte sequence holds an ASCII byte.
bool isLeadByte(unsigned char byte);

// --- files and drives -----------------------------------------------------

// What the runtime's status query reports; times are 64-bit seconds since 1970.
struct StatusRecord {
    std::uint16_t mode = 0;
    std::int64_t size = 0;
    std::int64_t atime = 0;
    std::int64_t mtime = 0;
    std::int64_t ctime = 0;
};

// The runtime's status query: 0 and `record` filled, or -1 with errno set.
int queryStatus(const char* path, StatusRecord& record);
// The runtime's access test (_access): 0 when allowed, -1 with errno set.
int accessPath(const char* path, int mode);
// The type of the drive named by a head such as "C:" (GetDriveTypeA).
std::uint32_t driveType(const char* head);
// The network name behind a local device name (WNetGetConnectionA).
std::uint32_t networkConnection(const char* head, char* buffer, std::uint32_t* length);

}  // namespace pickpath::platform
