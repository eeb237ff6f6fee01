#include "win/platform/Win32DesktopWindows.h"

#include <windows.h>

#include <string_view>

#include "win/platform/WideText.h"

namespace vantry::win {

namespace {
HWND ToHwnd(DesktopWindow window) { return reinterpret_cast<HWND>(window); }
DesktopWindow FromHwnd(HWND hwnd) { return reinterpret_cast<DesktopWindow>(hwnd); }

// A console that stops answering must not freeze the server list for longer than this.
constexpr UINT kSetTitleTimeoutMs = 1000;
// How long a show or hide is waited for. A console that answers does it in a
// few milliseconds; one that does not is left to the next poll, which marks
// it as it then is.
constexpr UINT kShowTimeoutMs = 200;

// Every window class of the program is named with this, and every copy makes
// its windows before it asks anything: a process with a top-level window of
// such a class is a copy of the program, whatever its file is called.
constexpr std::wstring_view kProgramClassPrefix = L"HLDSVantry";

bool OfProgramClass(HWND hwnd) {
    wchar_t name[64] = {};
    const int length = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return length > 0 && std::wstring_view(name, static_cast<std::size_t>(length)).starts_with(kProgramClassPrefix);
}
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

bool Win32DesktopWindows::ofThisProgram(DesktopWindow window) {
    struct Search {
        DWORD process = 0;
        bool found = false;
    } search;
    if (GetWindowThreadProcessId(ToHwnd(window), &search.process) == 0)
        return false;
    if (search.process == GetCurrentProcessId())
        return true;
    EnumWindows(
        [](HWND hwnd, LPARAM state) {
            auto& s = *reinterpret_cast<Search*>(state);
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            s.found = process == s.process && OfProgramClass(hwnd);
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Win32DesktopWindows::title(DesktopWindow window) {
    // The text the system keeps for the window: GetWindowText would ask a
    // window of this process for it, and a thread of ours that created one
    // need not be reading its messages.
    std::wstring text(256, L'\0');
    for (;;) {
        const int copied = InternalGetWindowText(ToHwnd(window), text.data(), static_cast<int>(text.size()));
        if (copied < static_cast<int>(text.size()) - 1) {
            text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
            return Narrow(text);
        }
        text.resize(text.size() * 2);
    }
}

bool Win32DesktopWindows::isVisible(DesktopWindow window) {
    return IsWindowVisible(ToHwnd(window)) != FALSE;
}

void Win32DesktopWindows::setVisible(DesktopWindow window, bool visible) {
    const HWND hwnd = ToHwnd(window);
    ShowWindowAsync(hwnd, visible ? SW_SHOW : SW_HIDE);
    // The request reaches the window's thread as a message: once that thread
    // has answered one sent after it, it has as a rule shown or hidden. A
    // thread the system knows as hung is not waited on at all, and whatever
    // comes late is the next poll's to mark.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, kShowTimeoutMs, &result);
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
