#pragma once

// The thin operating-system layer. Each function stands for one Windows or C
// runtime call; the build links exactly one of platform_win32.cpp (those calls),
// platform_posix.cpp (stand-ins for them) or, for unit tests, the scripted fake in
// tests/support/fake_platform.cpp.

#include <cstddef>
#include <cstdint>
#include <optional>
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

// The whole command line in the platform's own text (GetCommandLineW), which
// holds every argument exactly; nothing where the platform hands the arguments
// over already split (POSIX: `argv` is the arguments).
std::optional<std::wstring> wideCommandLine();

// The platform's command that waits N seconds, with its trailing space:
// "\"C:\Windows\system32\timeout.exe\" " (the system's own, by full path) or
// "sleep ". Empty when the platform cannot name it.
std::string waitCommandPrefix();

// Runs `command` through the system's own command interpreter and waits for it
// to end, however long it takes. On Windows that is the one COMSPEC names by a
// full path, else cmd.exe of the system folder, never one found by a search;
// from a UNC current folder it starts in the system folder.
void runCommand(const std::string& command);

// --- console and windows --------------------------------------------------

// Copies the console title into `buffer` of `size` characters; its length, 0
// when it cannot be read (GetConsoleTitleW). The wide calls keep every character.
std::uint32_t getConsoleTitle(wchar_t* buffer, std::uint32_t size);
bool setConsoleTitle(const wchar_t* title);
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
    std::uint32_t maxFile = 0;  // characters of the file-name buffer, its NUL included
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
// then in `chosen` as the dialog gives it (GetOpenFileNameW: UTF-16, not yet
// in the ANSI code page).
bool getOpenFileName(const OpenFileRequest& request, std::wstring& chosen);
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

// Sets up the single-threaded component-object apartment the browser's new
// style wants (CoInitializeEx); true when this call set it up, and
// uninitializeComponents must then undo it once the id list is released.
bool initializeComponents();
void uninitializeComponents();
// Shows the folder browser (SHBrowseForFolderA); nullptr on cancel or failure.
IdList browseForFolder(const BrowseRequest& request);
// The id list's file-system path as the shell gives it (SHGetPathFromIDListW);
// "" for an item without one.
std::wstring getPathFromIdList(IdList idList);
// Releases an id list the browser returned (CoTaskMemFree).
void freeIdList(IdList idList);

// --- text ---------------------------------------------------------------

// Whether `byte` begins a double-byte character in the ANSI code page
// (IsDBCSLeadByte): 0x83 under 932, where 0x83 0x5C is one character. Never on
// POSIX, where narrow text is UTF-8 and no multi-byte sequence holds an ASCII byte.
bool isLeadByte(unsigned char byte);

// `text`, up to its first NUL, in the ANSI code page when every character has
// an exact form there; nothing when one would become '?' or a look-alike
// (L"Łódź" under 1252). The POSIX stand-in holds a byte in each unit.
std::optional<std::string> narrowExact(const std::wstring& text);

// Whether two names are one for the file system: equal but for case, as
// Windows compares them (CompareStringOrdinal); on POSIX, equal.
bool sameFileName(const std::wstring& a, const std::wstring& b);

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
// The network name behind a local device name (WNetGetConnectionW), written
// into `buffer` of `*length` + 1 bytes only when the ANSI code page holds it
// exactly; else an error code, and nothing written.
std::uint32_t networkConnection(const char* head, char* buffer, std::uint32_t* length);

// `path` with every component that has a short (8.3) name in that form
// (GetShortPathNameW); "" when the item does not exist or the call fails.
std::wstring shortPathName(const std::wstring& path);
// `path` with every component in its long form (GetLongPathNameW); "" on failure.
std::wstring longPathName(const std::wstring& path);

// Whether this process sees a redirected file system: a 32-bit program under
// WOW64, to which the system folder shows the SysWOW64 folder's items (IsWow64Process).
bool fileSystemRedirected();

// Which file system a path is looked up in: this process's own view, or the
// native one that a 64-bit program sees (redirection off).
enum class FileView { kProcess, kNative };

// What tells one file-system item from another: its volume and its file index.
struct FileIdentity {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};

// The identity of the item `path` names in `view` (GetFileInformationByHandle);
// nothing when there is none.
std::optional<FileIdentity> fileIdentity(const std::wstring& path, FileView view);
// The full path of the item `path` names in this process's view, as the file
// system names it (GetFinalPathNameByHandleW, without the "\\?\" prefix); "" on failure.
std::wstring finalPath(const std::wstring& path);

}  // namespace pickpath::platform
