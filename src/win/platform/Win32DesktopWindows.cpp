#include "win/platform/Win32DesktopWindows.h"

#include <windows.h>

#include "win/platform/WideText.h"

namespace vantry::win {

namespace {
HWND ToHwnd(DesktopWindow window) { return reinterpret_cast<HWND>(window); }
DesktopWindow FromHwnd(HWND hwnd) { return reinterpret_cast<DesktopWindow>(hwnd); }

// A console that stops answering must not freeze the server list for longer than this.
constexpr UINT kSetTitleTimeoutMs = 1000;
}  // namespace

std::vector<DesktopWindow> Win32DesktopWindows::topLevel() {
    std::vector<DesktopWindow> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<DesktopWindow>*>(list)->push_back(FromHwnd(hwnd));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool Win32DesktopWindows::ofThisProcess(DesktopWindow window) {
    DWORD process = 0;
    return GetWindowThreadProcessId(ToHwnd(window), &process) != 0 && process == GetCurrentProcessId();
}

std::string Win32DesktopWindows::title(DesktopWindow window) {
    // GetWindowText on another process's window reads the text the system keeps
    // for it instead of asking the window, so a hung server cannot block us here.
    const HWND hwnd = ToHwnd(window);
    if (!IsWindow(hwnd))
        return {};
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return Narrow(text);
}

bool Win32DesktopWindows::isVisible(DesktopWindow window) {
    return IsWindowVisible(ToHwnd(window)) != FALSE;
}

void Win32DesktopWindows::setVisible(DesktopWindow window, bool visible) {
    ShowWindowAsync(ToHwnd(window), visible ? SW_SHOW : SW_HIDE);
}

bool Win32DesktopWindows::setTitle(DesktopWindow window, const std::string& title) {
    DWORD_PTR result = 0;
    const std::wstring wide = Widen(title);
    return SendMessageTimeoutW(ToHwnd(window), WM_SETTEXT, 0,
                               reinterpret_cast<LPARAM>(wide.c_str()),
                               SMTO_ABORTIFHUNG | SMTO_NORMAL, kSetTitleTimeoutMs, &result) != 0
           && result != 0;
}

}  // namespace vantry::win
