// The platform layer on Windows: each function is one Win32 or C runtime call.

#include <windows.h>
#include <commdlg.h>
#include <io.h>
#include <objbase.h>
#include <shlobj.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <winnetwk.h>

#include <cstddef>
#include <cstdlib>

#include "platform/platform.h"

namespace pickpath::platform {
namespace {

// The dialog record ends at lpTemplateName (the platform's OPENFILENAME_SIZE_VERSION_400A
// layout, accepted by every Windows version): 76 bytes in the 32-bit product.
constexpr DWORD kOpenFileRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kOpenFileRecordSize == 76,
              "the 32-bit dialog record must be 76 bytes");
static_assert(kOpenFileRecordSize < sizeof(OPENFILENAMEA), "the short record must be shorter");
static_assert(kBrowseInitialized == BFFM_INITIALIZED && kBrowseSetSelection == BFFM_SETSELECTIONA,
              "browser message numbers must match the platform's");

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

const char* waitCommandPrefix() { return "timeout "; }

int runCommand(const std::string& command) { return std::system(command.c_str()); }

std::uint32_t getConsoleTitle(char* buffer, std::uint32_t size) {
    return GetConsoleTitleA(buffer, size);
}

bool setConsoleTitle(const char* title) { return SetConsoleTitleA(title) != 0; }

std::uint32_t currentProcessId() { return GetCurrentProcessId(); }

std::uint32_t tickCount() { return GetTickCount(); }

void sleepMilliseconds(std::uint32_t milliseconds) { Sleep(milliseconds); }

WindowHandle findWindowByTitle(const char* title) { return FindWindowA(nullptr, title); }

std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
    return SendMessageA(static_cast<HWND>(window), message, wParam, lParam);
}

bool getOpenFileName(OpenFileRequest& request) {
    OPENFILENAMEA record;
    ZeroMemory(&record, sizeof record);
    record.lStructSize = kOpenFileRecordSize;
    record.hwndOwner = static_cast<HWND>(request.owner);
    record.lpstrFilter = request.filter;
    record.nFilterIndex = request.filterIndex;
    record.lpstrFile = request.file;
    record.nMaxFile = request.maxFile;
    record.lpstrInitialDir = request.initialDir;
    record.lpstrTitle = request.title;
    record.Flags = request.flags;
    return GetOpenFileNameA(&record) != 0;
}

std::uint32_t commDlgExtendedError() { return CommDlgExtendedError(); }

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

bool getPathFromIdList(IdList idList, char* buffer) {
    return SHGetPathFromIDListA(static_cast<PCIDLIST_ABSOLUTE>(idList), buffer) != 0;
}

void freeIdList(IdList idList) { CoTaskMemFree(idList); }

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
