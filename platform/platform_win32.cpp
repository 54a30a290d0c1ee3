// The platform layer on Windows: each function is one Win32 or C runtime call.
// The dialogs' texts cross in UTF-16 (the wide calls) and come back in the ANSI
// code page only when that holds them exactly; a lossy conversion could name a
// different file, or a wildcard pattern.

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>
#include <io.h>
#include <objbase.h>
#include <shlobj.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <winnetwk.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "platform/platform_win32.h"

namespace pickpath::platform {
namespace {

// The most bytes one UTF-16 unit takes in an ANSI code page: 2 in a double-byte
// one, 3 in UTF-8 (a surrogate pair, two units, takes 4).
constexpr std::size_t kMaxAnsiBytesPerUnit = 3;

// The system's own wait command, named by full path so that no file of that
// name in the current folder or on the search path runs in its place.
constexpr char kWaitProgram[] = "\\timeout.exe";

// The dialog record ends at lpTemplateName (the platform's OPENFILENAME_SIZE_VERSION_400
// layout, accepted by every Windows version): 76 bytes in the 32-bit product.
constexpr DWORD kOpenFileRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
static_assert(sizeof(void*) != 4 || kOpenFileRecordSize == 76,
              "the 32-bit dialog record must be 76 bytes");
static_assert(kOpenFileRecordSize < sizeof(OPENFILENAMEW), "the short record must be shorter");
static_assert(kBrowseInitialized == BFFM_INITIALIZED && kBrowseSetSelection == BFFM_SETSELECTIONA,
              "browser message numbers must match the platform's");

// What the Open dialog's last call reported: its extended error, or a
// conversion failure of the chosen path (FNERR_INVALIDFILENAME, FNERR_BUFFERTOOSMALL).
DWORD lastDialogError = 0;

// The folder browser calls back with the platform's calling convention; this
// forwards to the portable callback carried in the record's lParam.
struct BrowseContext {
    BrowseCallback callback;
    std::intptr_t data;
};

int CALLBACK browseTrampoline(HWND window, UINT message, LPARAM lParam, LPARAM context) {
    const auto* browse = reinterpret_cast<const BrowseContext*>(context);
    return browse->callback(window, message, lParam, browse->data);
}

}  // namespace

void prepareProcess() {}

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

std::vector<std::string> programArguments(int, char**) {
    std::vector<std::string> arguments;
    for (const std::wstring& wide : splitCommandLine(GetCommandLineW())) {
        const std::size_t size = wide.size() * kMaxAnsiBytesPerUnit + 1;
        std::string narrow(size, '\0');
        narrowAnsiExact(wide.c_str(), &narrow[0], static_cast<std::uint32_t>(size));
        arguments.push_back(narrow.c_str());
    }
    return arguments;
}

std::string waitCommandPrefix() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    return "\"" + std::string(folder, length) + kWaitProgram + "\" ";
}

int runCommand(const std::string& command) { return std::system(command.c_str()); }

std::uint32_t getConsoleTitle(char* buffer, std::uint32_t size) {
    return GetConsoleTitleA(buffer, size);
}

bool setConsoleTitle(const char* title) { return SetConsoleTitleA(title) != 0; }

std::uint32_t currentProcessId() { return GetCurrentProcessId(); }

std::uint32_t tickCount() { return GetTickCount(); }

void sleepMilliseconds(std::uint32_t milliseconds) { Sleep(milliseconds); }

WindowHandle findWindowByTitle(const char* title) { return FindWindowA(nullptr, title); }

WindowHandle consoleWindow() { return GetConsoleWindow(); }

std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
    return SendMessageA(static_cast<HWND>(window), message, wParam, lParam);
}

std::wstring widenAnsi(const char* text, std::size_t length) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), &wide[0], size);
    return wide;
}

std::uint32_t narrowAnsiExact(const wchar_t* text, char* buffer, std::uint32_t size) {
    // A UTF-8 ANSI code page holds every character, and the call then takes
    // neither the best-fit flag nor the default-character report: there only
    // invalid UTF-16 (a lone surrogate) is lost.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefaultChar = FALSE;
    const int needed = WideCharToMultiByte(CP_ACP, flags, text, -1, nullptr, 0, nullptr,
                                           utf8 ? nullptr : &usedDefaultChar);
    if (needed == 0 || usedDefaultChar) return FNERR_INVALIDFILENAME;
    if (static_cast<std::uint32_t>(needed) > size) return FNERR_BUFFERTOOSMALL;
    WideCharToMultiByte(CP_ACP, flags, text, -1, buffer, needed, nullptr, nullptr);
    return 0;
}

bool getOpenFileName(OpenFileRequest& request) {
    const std::wstring filter = widenAnsi(request.filter, filterListLength(request.filter));
    const std::wstring initialDir = widenAnsi(request.initialDir, std::strlen(request.initialDir));
    const std::wstring title = widenAnsi(request.title, std::strlen(request.title));
    std::wstring file(request.maxFile, L'\0');

    OPENFILENAMEW record;
    ZeroMemory(&record, sizeof record);
    record.lStructSize = kOpenFileRecordSize;
    record.hwndOwner = static_cast<HWND>(request.owner);
    record.lpstrFilter = filter.c_str();
    record.nFilterIndex = request.filterIndex;
    record.lpstrFile = &file[0];
    record.nMaxFile = request.maxFile;
    record.lpstrInitialDir = initialDir.c_str();
    record.lpstrTitle = title.c_str();
    record.Flags = request.flags;
    if (GetOpenFileNameW(&record) == 0) {
        lastDialogError = CommDlgExtendedError();
        return false;
    }
    lastDialogError = narrowAnsiExact(file.c_str(), request.file, request.maxFile);
    return lastDialogError == 0;
}

std::uint32_t commDlgExtendedError() { return lastDialogError; }

IdList browseForFolder(const BrowseRequest& request) {
    // The new dialog style wants a single-threaded apartment. One the caller
    // already set up in another mode (RPC_E_CHANGED_MODE) is used as it is.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BrowseContext context{request.callback, request.data};
    BROWSEINFOA record;
    ZeroMemory(&record, sizeof record);
    record.hwndOwner = static_cast<HWND>(request.owner);
    record.lpszTitle = request.title;
    record.ulFlags = request.flags;
    record.lpfn = request.callback != nullptr ? browseTrampoline : nullptr;
    record.lParam = reinterpret_cast<LPARAM>(&context);
    IdList chosen = SHBrowseForFolderA(&record);
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
}

bool getPathFromIdList(IdList idList, char* buffer, std::uint32_t size) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(static_cast<PCIDLIST_ABSOLUTE>(idList), path) == 0) return false;
    return narrowAnsiExact(path, buffer, size) == 0;
}

void freeIdList(IdList idList) { CoTaskMemFree(idList); }

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

int queryStatus(const char* path, StatusRecord& record) {
    struct _stat64 status;
    ZeroMemory(&status, sizeof status);
    const int result = _stat64(path, &status);
    record.mode = status.st_mode;
    record.size = status.st_size;
    record.atime = status.st_atime;
    record.mtime = status.st_mtime;
    record.ctime = status.st_ctime;
    return result;
}

int accessPath(const char* path, int mode) { return _access(path, mode); }

std::uint32_t driveType(const char* head) { return GetDriveTypeA(head); }

std::uint32_t networkConnection(const char* head, char* buffer, std::uint32_t* length) {
    DWORD size = *length;
    const DWORD result = WNetGetConnectionA(head, buffer, &size);
    *length = size;
    return result;
}

}  // namespace pickpath::platform
