// The platform layer on Linux and other POSIX systems: a stand-in for the
// Windows services. There is no console window and no mapped drive; paths come
// in the system's backslash form and are turned back to '/' before the
// operating system sees them. The dialogs run zenity on a graphical display,
// else a plain prompt on the terminal, else fail with the code a dialog that
// could not be set up reports.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

extern char** environ;

namespace pickpath::platform {
namespace {

constexpr std::uint32_t kDriveNoRootDir = 1;
constexpr std::uint32_t kErrorBadDevice = 1200;
constexpr std::uint32_t kDialogInitFailed = 2;
constexpr std::size_t kMaxPath = 260;
constexpr int kZenityCancelled = 1;
// What GTK writes when the display cannot be reached (zenity then exits 1, as on a cancel).
constexpr char kNoDisplay[] = "cannot open display";

std::uint32_t lastDialogError = 0;

// A name's bytes, one in each unit: the stand-in's form of the dialogs' wide
// answers, which narrowExact turns back into the same bytes.
std::wstring widenBytes(const std::string& bytes) {
    std::wstring units;
    for (const char byte : bytes) units.push_back(static_cast<unsigned char>(byte));
    return units;
}

std::string toPosixPath(const char* path) {
    std::string text = path;
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

enum class Outcome { kChosen, kCancelled, kFailed };

struct DialogAnswer {
    Outcome outcome = Outcome::kFailed;
    std::string path;
};

// Reads `fd` to its end into `text`.
void readAll(int fd, std::string& text) {
    char chunk[4096];
    ssize_t got;
    while ((got = read(fd, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0) text.append(chunk, static_cast<std::size_t>(got));
    }
}

// Runs `args` without a shell and collects its standard output and its
// diagnostics (kept apart: standard error carries this program's own lines);
// the exit status, or -1 when the program could not be started.
int runCapturing(const std::vector<std::string>& args, std::string& output, std::string& diagnostics) {
    int fds[2];
    FILE* const errors = std::tmpfile();
    if (errors == nullptr) return -1;
    if (pipe(fds) != 0) {
        std::fclose(errors);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_adddup2(&actions, fileno(errors), STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    int status = -1;
    if (spawned == 0) {
        readAll(fds[0], output);
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (lseek(fileno(errors), 0, SEEK_SET) == 0) readAll(fileno(errors), diagnostics);
    }
    close(fds[0]);
    std::fclose(errors);
    return status;
}

bool hasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// zenity's file or folder chooser; nothing when zenity cannot be started or cannot
// reach the display.
bool askZenity(bool folder, const std::string& title, const std::string& initialFolder,
               DialogAnswer& answer) {
    std::vector<std::string> args = {"zenity", "--file-selection"};
    if (folder) args.push_back("--directory");
    if (!title.empty()) args.push_back("--title=" + title);
    if (!initialFolder.empty()) {
        args.push_back("--filename=" + initialFolder + (initialFolder.back() == '/' ? "" : "/"));
    }
    std::string output;
    std::string diagnostics;
    const int status = runCapturing(args, output, diagnostics);
    // Without a display it could open, zenity showed nothing: that is no cancel.
    if (status < 0 || diagnostics.find(kNoDisplay) != std::string::npos) return false;
    // Only zenity's own line end goes: a file name may itself end in '\r'.
    if (!output.empty() && output.back() == '\n') output.pop_back();
    if (status == 0 && !output.empty()) {
        answer = {Outcome::kChosen, output};
    } else if (status == 0 || status == kZenityCancelled) {
        answer = {Outcome::kCancelled, ""};
    } else {
        answer = {Outcome::kFailed, ""};
    }
    return true;
}

// The current folder's absolute path; empty when it cannot be named (it was deleted).
std::string currentDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return "";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

// A prompt on the controlling terminal; nothing when there is none, or when
// no folder is given and the current one cannot be named (it was deleted). A
// name is taken inside the folder shown; an empty line or end of input cancels.
bool askTerminal(const std::string& label, const std::string& initialFolder,
                 DialogAnswer& answer) {
    const std::string folder = initialFolder.empty() ? currentDirectory() : initialFolder;
    if (folder.empty()) return false;
    const int tty = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0) return false;
    const std::string prompt = label + " in " + folder + ": ";
    if (write(tty, prompt.data(), prompt.size()) < 0) {
        close(tty);
        return false;
    }
    std::string line;
    char c;
    ssize_t got;
    while ((got = read(tty, &c, 1)) > 0 || (got < 0 && errno == EINTR)) {
        if (got <= 0) continue;
        if (c == '\n') break;
        line.push_back(c);
    }
    close(tty);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
        answer = {Outcome::kCancelled, ""};
    } else if (line.front() == '/') {
        answer = {Outcome::kChosen, line};
    } else {
        answer = {Outcome::kChosen, folder + (folder.back() == '/' ? "" : "/") + line};
    }
    return true;
}

DialogAnswer ask(bool folder, const std::string& title, const std::string& initialFolder) {
    DialogAnswer answer;
    if (hasDisplay() && askZenity(folder, title, initialFolder, answer)) return answer;
    const std::string label = !title.empty() ? title : folder ? "Folder" : "File";
    if (askTerminal(label, initialFolder, answer)) return answer;
    return {Outcome::kFailed, ""};
}

// The stand-in browser window: the callback's selection message sets its folder.
struct BrowserWindow {
    std::string selection;
};

}  // namespace

void prepareProcess() { signal(SIGPIPE, SIG_IGN); }

std::optional<std::wstring> wideCommandLine() { return std::nullopt; }

std::string waitCommandPrefix() { return "sleep "; }

void runCommand(const std::string& command) {
    // The command's status tells nothing the tool acts on.
    [[maybe_unused]] const int status = std::system(command.c_str());
}

std::uint32_t getConsoleTitle(wchar_t*, std::uint32_t) { return 0; }

bool setConsoleTitle(const wchar_t*) { return false; }

std::uint32_t currentProcessId() { return static_cast<std::uint32_t>(getpid()); }

std::uint32_t tickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    timespec pause{static_cast<time_t>(milliseconds / 1000u),
                   static_cast<long>(milliseconds % 1000u) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

WindowHandle findWindowByTitle(const char*) { return nullptr; }

WindowHandle consoleWindow() { return nullptr; }

std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
    if (window == nullptr || message != kBrowseSetSelection || wParam == 0) return 0;
    static_cast<BrowserWindow*>(window)->selection = reinterpret_cast<const char*>(lParam);
    return 1;
}

bool getOpenFileName(const OpenFileRequest& request, std::wstring& chosen) {
    const DialogAnswer answer = ask(false, request.title, toPosixPath(request.initialDir));
    lastDialogError = answer.outcome == Outcome::kFailed ? kDialogInitFailed : 0;
    if (answer.outcome != Outcome::kChosen) return false;
    chosen = widenBytes(answer.path);
    return true;
}

std::uint32_t commDlgExtendedError() { return lastDialogError; }

bool initializeComponents() { return false; }

void uninitializeComponents() {}

IdList browseForFolder(const BrowseRequest& request) {
    BrowserWindow window;
    if (request.callback != nullptr) request.callback(&window, kBrowseInitialized, 0, request.data);
    const DialogAnswer answer = ask(true, request.title, toPosixPath(window.selection.c_str()));
    if (answer.outcome != Outcome::kChosen) return nullptr;
    return new std::string(answer.path);
}

std::wstring getPathFromIdList(IdList idList) {
    const std::string& path = *static_cast<std::string*>(idList);
    return path.size() < kMaxPath ? widenBytes(path) : L"";
}

void freeIdList(IdList idList) { delete static_cast<std::string*>(idList); }

bool isLeadByte(unsigned char) { return false; }

std::optional<std::string> narrowExact(const std::wstring& text) {
    std::string bytes;
    for (const wchar_t unit : text) {
        if (unit == L'\0') break;
        bytes.push_back(static_cast<char>(static_cast<unsigned char>(unit)));
    }
    return bytes;
}

bool sameFileName(const std::wstring& a, const std::wstring& b) { return a == b; }

int queryStatus(const char* path, StatusRecord& record) {
    struct stat status {};
    if (stat(toPosixPath(path).c_str(), &status) != 0) return -1;
    record.mode = static_cast<std::uint16_t>(status.st_mode);
    record.size = status.st_size;
    record.atime = status.st_atime;
    record.mtime = status.st_mtime;
    record.ctime = status.st_ctime;
    return 0;
}

int accessPath(const char* path, int mode) { return access(toPosixPath(path).c_str(), mode); }

std::uint32_t driveType(const char*) { return kDriveNoRootDir; }

std::uint32_t networkConnection(const char*, char*, std::uint32_t*) { return kErrorBadDevice; }

std::wstring shortPathName(const std::wstring&) { return L""; }

std::wstring longPathName(const std::wstring&) { return L""; }

bool fileSystemRedirected() { return false; }

std::optional<FileIdentity> fileIdentity(const std::wstring&, FileView) { return std::nullopt; }

std::wstring finalPath(const std::wstring&) { return L""; }

}  // namespace pickpath::platform
