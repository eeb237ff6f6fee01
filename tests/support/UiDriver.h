#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace vantry::testutil {

// Polls until the condition holds or the deadline passes; never a fixed sleep.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

// Tests run side by side, each in its own process, and may open dialogs with the
// same titles: a driver only ever looks at its own process's windows.
inline bool OwnWindow(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid == GetCurrentProcessId();
}

// The first visible dialog of this process that matches, or nullptr.
// One snapshot of the desktop's windows: a walk from one window to the next
// skips those that move while it walks.
inline HWND FindOwnDialog(const std::function<bool(HWND)>& match) {
    struct Search {
        const std::function<bool(HWND)>& match;
        HWND found = nullptr;
    } search{match};
    EnumWindows([](HWND w, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        char name[16] = {};
        GetClassNameA(w, name, sizeof name);
        if (std::string(name) != "#32770" || !OwnWindow(w) || !IsWindowVisible(w) || !s.match(w))
            return TRUE;
        s.found = w;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The first visible top-level dialog of this process with this title, waited for.
inline HWND WaitForDialog(const std::string& title,
                          std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindOwnDialog([&](HWND w) {
            char text[256] = {};
            GetWindowTextA(w, text, sizeof text);
            return title == text;
        });
        return found != nullptr;
    }, deadline);
    return found;
}

// A dialog owned by the given window (a question a dialog asks), waited for.
inline HWND WaitForOwnedDialog(HWND owner,
                               std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindOwnDialog([&](HWND w) { return GetWindow(w, GW_OWNER) == owner; });
        return found != nullptr;
    }, deadline);
    return found;
}

// Closes every dialog this process still shows, so that a failed step of a
// driver cannot leave a modal loop waiting for ever.
inline void CancelOwnDialogs() {
    while (HWND w = FindOwnDialog([](HWND) { return true; })) {
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
        if (!WaitFor([&] { return !IsWindow(w) || !IsWindowVisible(w); }, std::chrono::seconds(2)))
            break;
    }
}

// Runs a user's steps on a thread of their own while the test thread sits in a
// modal dialog. When a step failed, whatever it left open is cancelled, so the
// test ends with its failure instead of hanging.
class UserThread {
public:
    explicit UserThread(std::function<void()> steps)
        : thread_([steps = std::move(steps)] {
              steps();
              if (::testing::Test::HasFailure())
                  CancelOwnDialogs();
          }) {}
    ~UserThread() { join(); }
    void join() {
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::thread thread_;
};

// Texts as the program holds them: UTF-8.
inline std::string Narrow(const wchar_t* wide) {
    char text[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

inline std::string WindowText(HWND hwnd) {
    wchar_t text[1024] = {};
    GetWindowTextW(hwnd, text, 1024);
    return Narrow(text);
}

inline std::string ControlText(HWND hwnd) {
    wchar_t wide[1024] = {};
    SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    return Narrow(wide);
}

// Presses a dialog's button the way a click does.
inline void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace vantry::testutil
