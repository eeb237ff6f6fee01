#include "Win32Services.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "LateBound.h"

namespace vantry::win {

int Win32MessageBoxes::show(WindowHandle owner, const std::string& text, const std::string& title,
                            unsigned style) {
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), title.c_str(), style);
}

namespace {
// ShellExecute reports success as a value above 32.
bool Succeeded(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

HINSTANCE Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                  const char* directory, int show) {
    using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    const auto execute = LateBound<ExecuteFunction>("shell32.dll", "ShellExecuteA");
    return execute ? execute(owner, verb, file, parameters, directory, show) : nullptr;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

bool Win32Shell::execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
    return Succeeded(Execute(static_cast<HWND>(owner), OrNull(verb), file.c_str(),
                                   OrNull(parameters), OrNull(directory), showCommand));
}

bool Win32Shell::openAddress(const std::string& address) {
    return Succeeded(Execute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

std::uint64_t Win32Clock::milliseconds() { return GetTickCount64(); }

bool Win32Clock::processEvents(std::uint64_t maxWaitMs) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        const auto wait = static_cast<DWORD>(std::min<std::uint64_t>(maxWaitMs, INFINITE - 1));
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the message loop that owns the program's end.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

}  // namespace vantry::win
