#pragma once

// A scripted platform for unit tests: it plays back what each call should
// answer and keeps what the caller handed the dialogs and the shell.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace pickpath::fake {

// A narrow text's bytes, one in each unit: how the fake writes a name that the
// code page holds in its wide form (narrowExact turns it back into the bytes).
std::wstring widenBytes(const std::string& bytes);

// What one dialog should do when shown.
struct DialogScript {
    enum class Kind { kPick, kCancel, kFail };
    Kind kind = Kind::kCancel;
    std::wstring path;         // for kPick, in the dialog's wide form
    std::uint32_t code = 0;    // for kFail (the Open dialog's extended error)

    static DialogScript pick(const std::string& path) { return {Kind::kPick, widenBytes(path), 0}; }
    static DialogScript pick(std::wstring path) { return {Kind::kPick, std::move(path), 0}; }
    static DialogScript cancel() { return {Kind::kCancel, L"", 0}; }
    static DialogScript fail(std::uint32_t code) { return {Kind::kFail, L"", code}; }
};

// What the Open dialog and the folder browser were handed; the browser's
// callback answers for message 1, then for message 2.
struct OpenFileCall {
    platform::WindowHandle owner = nullptr;
    std::string filter;  // bytes up to and including the list's closing double NUL
    std::uint32_t filterIndex = 0;
    std::uint32_t maxFile = 0;
    std::string initialDir;
    std::string title;
    std::uint32_t flags = 0;
};
struct BrowseCall {
    platform::WindowHandle owner = nullptr;
    std::string title;
    std::uint32_t flags = 0;
    std::vector<int> callbackResults;
};
struct SentMessage {
    platform::WindowHandle window = nullptr;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::string text;  // lParam read as a text
};
struct StatusScript {
    int result = -1;
    int error = 2;
    platform::StatusRecord record;
};

struct Platform {
    // Answers.
    std::optional<std::wstring> commandLine;  // when unset, argv as given
    std::string waitCommandPrefix = "\"C:\\Windows\\system32\\timeout.exe\" ";
    std::wstring consoleTitle;
    bool hasConsole = true;
    platform::WindowHandle consoleWindow = nullptr;  // the console's own window
    // Whether a lookup by title finds titleWindow, which shows the title set before a
    // wait: not under Windows Terminal, nor under Wine before the console's window is asked for.
    bool titleFindsWindow = true;
    platform::WindowHandle titleWindow = nullptr;
    std::string shownTitle;
    std::array<bool, 256> leadBytes{};  // by byte value; none: a single-byte code page
    // The ANSI code page holds exactly the units up to 0xFF, each as that byte.
    std::uint32_t processId = 0;
    std::uint32_t tickCount = 0;
    std::vector<DialogScript> dialogs;  // consumed front first, by both dialog kinds
    std::map<std::string, StatusScript> statuses;  // others: -1, ENOENT
    std::set<std::string> accessible;              // others: ENOENT
    std::map<std::string, std::uint32_t> driveTypes;  // others: 3, a fixed disk
    std::map<std::string, std::string> connections;   // others: none; too long for the buffer: none
    std::map<std::wstring, std::wstring> shortPaths;  // others: none
    std::map<std::wstring, std::wstring> longPaths;   // others: none, as for an item that does not exist
    // WOW64: the identity of an item in each view, and the path of the one this process sees.
    bool redirected = false;
    std::map<std::wstring, std::optional<platform::FileIdentity>> processView;  // others: none
    std::map<std::wstring, std::optional<platform::FileIdentity>> nativeView;   // others: none
    std::map<std::wstring, std::wstring> finalPaths;             // others: none

    // Records, in order; the apartment's steps run from its set-up to its undoing.
    std::vector<std::string> apartmentSteps;
    std::vector<std::string> commands;
    std::vector<OpenFileCall> openCalls;
    std::vector<BrowseCall> browseCalls;
    std::vector<SentMessage> messages;
    std::uint32_t lastError = 0;
};

// The one fake, reset to a fresh state by reset().
Platform& platform();
void reset();
// Gives the fake the lead bytes of an ANSI code page: 932, 936, 949 or 950;
// any other number makes it single-byte.
void useCodePage(unsigned codePage);

}  // namespace pickpath::fake
