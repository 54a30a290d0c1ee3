// The platform layer on Windows: each function is one Win32 or C runtime call.
// The dialogs' texts cross in UTF-16 (the wide calls); they reach the ANSI code
// page only through narrowExact, which refuses a lossy conversion: that could
// name a different file, or a wildcard pattern.

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>
#include <io.h>
#include <objbase.h>
#include <shlobj.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <winnetwk.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_win32.h"

namespace pickpath::platform {
namespace {

// The system's own wait command and command interpreter, named by full path so
// that no file of that name in the current folder or on the search path runs
// in their place.
constexpr char kWaitProgram[] = "\\timeout.exe";
constexpr wchar_t kInterpreterProgram[] = L"\\cmd.exe";

// GetFinalPathNameByHandleW names a path "\\?\C:\dir" or "\\?\UNC\server\share".
constexpr wchar_t kVerbatimPrefix[] = L"\\\\?\\";
constexpr wchar_t kVerbatimUncPrefix[] = L"\\\\?\\UNC\\";
constexpr wchar_t kUncPrefix[] = L"\\\\";

// The dialog record ends at lpTemplateName (the platform's OPENFILENAME_SIZE_VERSION_400
// layout, accepted by every Windows version): 76 bytes in the 32-bit product.
constexpr DWORD kOpenFileRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
static_assert(sizeof(void*) != 4 || kOpenFileRecordSize == 76,
              "the 32-bit dialog record must be 76 bytes");
static_assert(kOpenFileRecordSize < sizeof(OPENFILENAMEW), "the short record must be shorter");
static_assert(kBrowseInitialized == BFFM_INITIALIZED && kBrowseSetSelection == BFFM_SETSELECTIONA,
              "browser message numbers must match the platform's");

// The Open dialog's extended error from its last call.
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

// A path from a call that writes it into a buffer: `call(buffer, size)` answers
// its length, or the size it needs (NUL included) when the buffer is too
// small, or 0 on failure. "" on failure.
template <typename Call>
std::wstring pathFromCall(Call call) {
    DWORD size = MAX_PATH;
    for (;;) {
        std::wstring buffer(size, L'\0');
        const DWORD length = call(&buffer[0], size);
        if (length == 0) return L"";
        if (length < size) return buffer.substr(0, length);
        size = length;
    }
}

// A handle to `path` for reading its attributes only, folders too.
HANDLE openForQuery(const std::wstring& path) {
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The system folder (GetSystemDirectoryW), or "" when it cannot be named.
std::wstring systemFolder() {
    return pathFromCall([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
}

// Whether `path` names an existing file (not a folder) by a full path: from a
// drive's root ("C:\...") or a share ("\\server\share\...").
bool namesFileByFullPath(const std::wstring& path) {
    const wchar_t drive = path.size() > 2 && path[1] == L':' && path[2] == L'\\' ? path[0] | 0x20 : 0;
    const bool fromRoot = drive >= L'a' && drive <= L'z';
    if (!fromRoot && path.rfind(kUncPrefix, 0) != 0) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The interpreters to try, in order: the file that COMSPEC names by a full
// path ('/' read as '\'), then cmd.exe of the system folder.
std::vector<std::wstring> interpreters() {
    std::wstring named = pathFromCall(
        [](wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(L"COMSPEC", buffer, size); });
    std::replace(named.begin(), named.end(), L'/', L'\\');
    std::vector<std::wstring> candidates;
    if (namesFileByFullPath(named)) candidates.push_back(named);
    const std::wstring folder = systemFolder();
    if (!folder.empty()) candidates.push_back(folder + kInterpreterProgram);
    return candidates;
}

}  // namespace

void prepareProcess() {}

std::optional<std::wstring> wideCommandLine() { return std::wstring(GetCommandLineW()); }

std::string waitCommandPrefix() {
    const std::optional<std::string> folder = narrowExact(systemFolder());
    if (!folder || folder->empty()) return "";
    return "\"" + *folder + kWaitProgram + "\" ";
}

void runCommand(const std::string& command) {
    // Started here by its full path and waited for: the runtime's system()
    // would, when COMSPEC's program cannot be started, search for cmd.exe from
    // the current folder, where the Open dialog may have left the process.
    const std::wstring arguments = L" /c " + widenAnsi(command.data(), command.size());
    // cmd cannot run in a UNC current folder (it warns, then runs in the Windows
    // folder): from a share it is started in the system folder instead.
    const std::wstring current = pathFromCall(
        [](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
    const std::wstring startFolder = current.rfind(kUncPrefix, 0) == 0 ? systemFolder() : L"";
    for (const std::wstring& interpreter : interpreters()) {
        std::wstring line = L"\"" + interpreter + L"\"" + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(interpreter.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                            startFolder.empty() ? nullptr : startFolder.c_str(), &startup, &process)) {
            continue;
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
}

std::uint32_t getConsoleTitle(wchar_t* buffer, std::uint32_t size) {
    return GetConsoleTitleW(buffer, size);
}

bool setConsoleTitle(const wchar_t* title) { return SetConsoleTitleW(title) != 0; }

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

std::optional<std::string> narrowExact(const std::wstring& text) {
    // A UTF-8 ANSI code page holds every character, and the call then takes
    // neither the best-fit flag nor the default-character report: there only
    // invalid UTF-16 (a lone surrogate) is lost.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefaultChar = FALSE;
    const int needed = WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, nullptr, 0, nullptr,
                                           utf8 ? nullptr : &usedDefaultChar);
    if (needed == 0 || usedDefaultChar) return std::nullopt;
    std::string narrow(needed, '\0');
    WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, &narrow[0], needed, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

bool sameFileName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

OPENFILENAMEW openFileRecord(const OpenFileRequest& request, OpenFileTexts& texts) {
    texts.filter = widenAnsi(request.filter, filterListLength(request.filter));
    texts.initialDir = widenAnsi(request.initialDir, std::strlen(request.initialDir));
    texts.title = widenAnsi(request.title, std::strlen(request.title));
    texts.file.assign(request.maxFile, L'\0');

    OPENFILENAMEW record;
    ZeroMemory(&record, sizeof record);
    record.lStructSize = kOpenFileRecordSize;
    record.hwndOwner = static_cast<HWND>(request.owner);
    record.lpstrFilter = texts.filter.c_str();
    record.nFilterIndex = request.filterIndex;
    record.lpstrFile = &texts.file[0];
    record.nMaxFile = request.maxFile;
    record.lpstrInitialDir = texts.initialDir.c_str();
    record.lpstrTitle = texts.title.c_str();
    record.Flags = request.flags;
    return record;
}

bool getOpenFileName(const OpenFileRequest& request, std::wstring& chosen) {
    OpenFileTexts texts;
    OPENFILENAMEW record = openFileRecord(request, texts);
    if (GetOpenFileNameW(&record) == 0) {
        lastDialogError = CommDlgExtendedError();
        return false;
    }
    lastDialogError = 0;
    chosen = texts.file.c_str();
    return true;
}

std::uint32_t commDlgExtendedError() { return lastDialogError; }

bool initializeComponents() {
    // One the caller already set up in another mode (RPC_E_CHANGED_MODE) is
    // used as it is, and not undone.
    return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

void uninitializeComponents() { CoUninitialize(); }

IdList browseForFolder(const BrowseRequest& request) {
    BrowseContext context{request.callback, request.data};
    BROWSEINFOA record;
    ZeroMemory(&record, sizeof record);
    record.hwndOwner = static_cast<HWND>(request.owner);
    record.lpszTitle = request.title;
    record.ulFlags = request.flags;
    record.lpfn = request.callback != nullptr ? browseTrampoline : nullptr;
    record.lParam = reinterpret_cast<LPARAM>(&context);
    return SHBrowseForFolderA(&record);
}

std::wstring getPathFromIdList(IdList idList) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(static_cast<PCIDLIST_ABSOLUTE>(idList), path) == 0) return L"";
    return path;
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
    // The narrow call best-fits: under 1252 the share \\srv\Łódź would come
    // back as \\srv\Lodz, another share.
    const std::uint32_t capacity = *length;
    std::wstring name(capacity + 1, L'\0');
    DWORD size = capacity;
    const DWORD result =
        WNetGetConnectionW(widenAnsi(head, std::strlen(head)).c_str(), &name[0], &size);
    *length = size;
    if (result != NO_ERROR) return result;
    const std::optional<std::string> narrow = narrowExact(name);
    if (!narrow) return ERROR_NO_UNICODE_TRANSLATION;
    if (narrow->size() > capacity) return ERROR_MORE_DATA;
    std::memcpy(buffer, narrow->c_str(), narrow->size() + 1);
    return NO_ERROR;
}

std::wstring shortPathName(const std::wstring& path) {
    return pathFromCall([&](wchar_t* buffer, DWORD size) {
        return GetShortPathNameW(path.c_str(), buffer, size);
    });
}

std::wstring longPathName(const std::wstring& path) {
    return pathFromCall([&](wchar_t* buffer, DWORD size) {
        return GetLongPathNameW(path.c_str(), buffer, size);
    });
}

bool fileSystemRedirected() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::optional<FileIdentity> fileIdentity(const std::wstring& path, FileView view) {
    // Outside WOW64 there is no redirection to turn off: the view is the native one.
    void* redirection = nullptr;
    const bool turnedOff = view == FileView::kNative && Wow64DisableWow64FsRedirection(&redirection);
    const HANDLE file = openForQuery(path);
    if (turnedOff) Wow64RevertWow64FsRedirection(redirection);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    const BOOL known = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!known) return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber,
                        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

std::wstring finalPath(const std::wstring& path) {
    const HANDLE file = openForQuery(path);
    if (file == INVALID_HANDLE_VALUE) return L"";
    const std::wstring verbatim = pathFromCall([&](wchar_t* buffer, DWORD size) {
        return GetFinalPathNameByHandleW(file, buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    });
    CloseHandle(file);
    if (verbatim.rfind(kVerbatimUncPrefix, 0) == 0) {
        return kUncPrefix + verbatim.substr(std::wcslen(kVerbatimUncPrefix));
    }
    if (verbatim.rfind(kVerbatimPrefix, 0) == 0) return verbatim.substr(std::wcslen(kVerbatimPrefix));
    return verbatim;
}

}  // namespace pickpath::platform
