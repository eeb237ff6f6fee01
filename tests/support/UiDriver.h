#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "win/platform/WideText.h"

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

// Texts as the program holds them: UTF-8.
using win::Narrow;

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

// The text a tooltip shows over a control of the owner window.
inline std::string TipText(HWND tip, HWND owner, HWND control) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{sizeof tool, 0, owner, reinterpret_cast<UINT_PTR>(control), {}, nullptr, text};
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return Narrow(text);
}

// Presses a dialog's button the way a click does.
inline void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace vantry::testutil
