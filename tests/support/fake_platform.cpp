#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cwctype>

#include "tests/support/fake_platform.h"

namespace pickpath::fake {

Platform& platform() {
    static Platform state;
    return state;
}
void reset() { platform() = Platform(); }

std::wstring widenBytes(const std::string& bytes) {
    std::wstring units;
    for (const char byte : bytes) units.push_back(static_cast<unsigned char>(byte));
    return units;
}

void useCodePage(unsigned codePage) {
    const bool wideRange = codePage == 936 || codePage == 949 || codePage == 950;
    std::array<bool, 256>& lead = platform().leadBytes;
    for (unsigned byte = 0; byte < lead.size(); ++byte) {
        lead[byte] = (wideRange && byte >= 0x81 && byte <= 0xFE) ||
                     (codePage == 932 && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)));
    }
}

namespace {

constexpr std::uint32_t kFixedDrive = 3;
constexpr std::uint32_t kNoConnection = 2250;
constexpr std::uint32_t kMoreData = 234;
constexpr std::uint32_t kBrowseSelectionChanged = 2;
constexpr wchar_t kLastAnsiUnit = 0xFF;

template <typename Map>
typename Map::mapped_type lookup(const Map& map, const typename Map::key_type& key) {
    const auto found = map.find(key);
    return found != map.end() ? found->second : typename Map::mapped_type{};
}

DialogScript nextDialog() {
    Platform& fake = platform();
    if (fake.dialogs.empty()) return DialogScript::cancel();
    DialogScript next = fake.dialogs.front();
    fake.dialogs.erase(fake.dialogs.begin());
    return next;
}

}  // namespace
}  // namespace pickpath::fake

namespace pickpath::platform {

using fake::platform;

void prepareProcess() {}
std::optional<std::wstring> wideCommandLine() { return platform().commandLine; }
std::string waitCommandPrefix() { return platform().waitCommandPrefix; }

void runCommand(const std::string& command) { platform().commands.push_back(command); }

std::uint32_t getConsoleTitle(wchar_t* buffer, std::uint32_t size) {
    fake::Platform& fake = platform();
    if (!fake.hasConsole || size == 0) return 0;
    const std::size_t length = std::min<std::size_t>(fake.consoleTitle.size(), size - 1);
    std::copy_n(fake.consoleTitle.data(), length, buffer);
    buffer[length] = L'\0';
    return static_cast<std::uint32_t>(length);
}

bool setConsoleTitle(const wchar_t* title) {
    fake::Platform& fake = platform();
    if (!fake.hasConsole) return false;
    fake.consoleTitle = title;
    return true;
}

std::uint32_t currentProcessId() { return platform().processId; }
std::uint32_t tickCount() { return platform().tickCount; }

void sleepMilliseconds(std::uint32_t) {
    fake::Platform& fake = platform();
    if (fake.hasConsole && fake.titleFindsWindow) fake.shownTitle = narrowExact(fake.consoleTitle).value_or("");
}

WindowHandle findWindowByTitle(const char* title) {
    const fake::Platform& fake = platform();
    return !fake.shownTitle.empty() && fake.shownTitle == title ? fake.titleWindow : nullptr;
}
WindowHandle consoleWindow() { return platform().hasConsole ? platform().consoleWindow : nullptr; }

std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
    platform().messages.push_back({window, message, wParam, reinterpret_cast<const char*>(lParam)});
    return 0;
}

bool getOpenFileName(const OpenFileRequest& request, std::wstring& chosen) {
    fake::Platform& fake = platform();
    fake.openCalls.push_back({request.owner, std::string(request.filter, filterListLength(request.filter)),
                              request.filterIndex, request.maxFile, request.initialDir, request.title,
                              request.flags});

    const fake::DialogScript script = fake::nextDialog();
    fake.lastError = script.kind == fake::DialogScript::Kind::kFail ? script.code : 0;
    if (script.kind != fake::DialogScript::Kind::kPick) return false;
    chosen = script.path;
    return true;
}
std::uint32_t commDlgExtendedError() { return platform().lastError; }

bool initializeComponents() {
    platform().apartmentSteps.push_back("initializeComponents");
    return true;
}
void uninitializeComponents() { platform().apartmentSteps.push_back("uninitializeComponents"); }

IdList browseForFolder(const BrowseRequest& request) {
    fake::Platform& fake = platform();
    fake.apartmentSteps.push_back("browseForFolder");
    fake::BrowseCall call{request.owner, request.title, request.flags, {}};
    static int browserWindow;
    for (std::uint32_t message : {kBrowseInitialized, fake::kBrowseSelectionChanged}) {
        call.callbackResults.push_back(request.callback(&browserWindow, message, 0, request.data));
    }
    fake.browseCalls.push_back(call);
    const fake::DialogScript script = fake::nextDialog();
    if (script.kind != fake::DialogScript::Kind::kPick) return nullptr;
    return new std::wstring(script.path);
}

std::wstring getPathFromIdList(IdList idList) {
    platform().apartmentSteps.push_back("getPathFromIdList");
    return *static_cast<std::wstring*>(idList);
}
void freeIdList(IdList idList) {
    platform().apartmentSteps.push_back("freeIdList");
    delete static_cast<std::wstring*>(idList);
}

bool isLeadByte(unsigned char byte) { return platform().leadBytes[byte]; }
std::optional<std::string> narrowExact(const std::wstring& text) {
    std::string bytes;
    for (const wchar_t unit : text) {
        if (unit == L'\0') break;
        if (unit > fake::kLastAnsiUnit) return std::nullopt;
        bytes.push_back(static_cast<char>(unit));
    }
    return bytes;
}

// Equal ignoring case, as Windows compares names: ASCII and the Cyrillic
// letters а to я, which the "C" locale's towupper leaves as they are.
bool sameFileName(const std::wstring& a, const std::wstring& b) {
    const auto upper = [](wchar_t c) -> wchar_t { return c >= 0x430 && c <= 0x44F ? c - 0x20 : std::towupper(c); };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](wchar_t x, wchar_t y) { return upper(x) == upper(y); });
}

int queryStatus(const char* path, StatusRecord& record) {
    const fake::StatusScript script = fake::lookup(platform().statuses, path);
    if (script.result != 0) {
        errno = script.error;
        return script.result;
    }
    record = script.record;
    return 0;
}

int accessPath(const char* path, int) {
    if (platform().accessible.count(path) != 0) return 0;
    errno = ENOENT;
    return -1;
}

std::uint32_t driveType(const char* head) {
    const auto found = platform().driveTypes.find(head);
    return found != platform().driveTypes.end() ? found->second : fake::kFixedDrive;
}

std::uint32_t networkConnection(const char* head, char* buffer, std::uint32_t* length) {
    fake::Platform& fake = platform();
    const auto found = fake.connections.find(head);
    if (found == fake.connections.end()) return fake::kNoConnection;
    if (found->second.size() > *length) return fake::kMoreData;
    std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
    return 0;
}

std::wstring shortPathName(const std::wstring& path) { return fake::lookup(platform().shortPaths, path); }
std::wstring longPathName(const std::wstring& path) { return fake::lookup(platform().longPaths, path); }
bool fileSystemRedirected() { return platform().redirected; }
std::optional<FileIdentity> fileIdentity(const std::wstring& path, FileView view) {
    return fake::lookup(view == FileView::kNative ? platform().nativeView : platform().processView, path);
}
std::wstring finalPath(const std::wstring& path) { return fake::lookup(platform().finalPaths, path); }

}  // namespace pickpath::platform
