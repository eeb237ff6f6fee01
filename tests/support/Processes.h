#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "UiDriver.h"
#include "win/platform/Handles.h"
#include "win/platform/WideText.h"

namespace vantry::testutil {

inline std::string ClassOf(HWND hwnd) {
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// The top-level windows of a process with the class (and title), in z-order.
// Taken from one snapshot of the desktop's windows: a walk down the z-order
// skips a window that moves while it walks, as a box does when it is
// activated, and as every window of the tests beside this one does.
inline std::vector<HWND> WindowsOf(DWORD pid, const std::string& className, const char* title = nullptr) {
    struct Search {
        DWORD pid;
        const std::string& className;
        const char* title;
        std::vector<HWND> found;
    } search{pid, className, title, {}};
    EnumWindows([](HWND w, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == s.pid && ClassOf(w) == s.className && (!s.title || s.title == WindowText(w)))
            s.found.push_back(w);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A program started for real: the program under test, the stand-in server, a
// console. Whatever is still running when the test ends is ended with it.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& commandLine, const std::string& workDir = {},
                          DWORD flags = 0) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        std::wstring line = win::Widen(commandLine);
        const std::wstring dir = win::Widen(workDir);
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                            dir.empty() ? nullptr : dir.c_str(), &startup, &info))
            return;
        thread_.reset(info.hThread);
        process_.reset(info.hProcess);
        pid_ = info.dwProcessId;
    }
    ~ChildProcess() {
        if (process_ && !waitExit(0))
            TerminateProcess(process_.get(), 1);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    DWORD pid() const { return pid_; }
    HANDLE mainThread() const { return thread_.get(); }
    bool waitExit(DWORD milliseconds) const {
        return WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
    }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.get(), &code);
        return code;
    }
    // Ends it at once, as the task manager or a power cut would: no code of
    // its own runs on the way out.
    void kill() const {
        TerminateProcess(process_.get(), 1);
        waitExit(INFINITE);
    }

    // The top-level windows of this process with the class (and title).
    std::vector<HWND> windows(const std::string& className, const char* title = nullptr) const {
        return WindowsOf(pid_, className, title);
    }
    HWND window(const std::string& className, const char* title = nullptr) const {
        const auto found = windows(className, title);
        return found.empty() ? nullptr : found.front();
    }
    // The window once it is there (and shown); a test waiting for one that
    // never comes ends there, failed, as an ASSERT would end it.
    HWND waitForWindow(const std::string& className, const char* title = nullptr) const {
        HWND found = nullptr;
        if (!WaitFor([&] { return (found = window(className, title)) != nullptr; }))
            throw std::runtime_error("no window " + className + (title ? std::string(" \"") + title + "\"" : ""));
        return found;
    }
    HWND waitForShownWindow(const std::string& className) const {
        HWND found = waitForWindow(className);
        if (!WaitFor([&] { return IsWindowVisible(found) != FALSE; }))
            throw std::runtime_error(className + " never shown");
        return found;
    }

private:
    win::UniqueKernelHandle process_;
    win::UniqueKernelHandle thread_;
    DWORD pid_ = 0;
};

}  // namespace vantry::testutil
