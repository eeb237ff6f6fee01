#include "win/platform/Win32Shell.h"

#include <windows.h>

#include "win/platform/LateBound.h"

namespace vantry::win {

namespace {
const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

bool Win32Shell::execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
    using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    const auto execute = LateBound<ExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (!execute)
        return false;
    EnsureComApartment();
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(execute(static_cast<HWND>(owner), OrNull(verb), file.c_str(),
                                             OrNull(parameters), OrNull(directory), showCommand)) > 32;
}

void Win32Shell::associationsChanged() {
    using NotifyFunction = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);
    if (const auto notify = LateBound<NotifyFunction>("shell32.dll", "SHChangeNotify"))
        notify(0x08000000 /* SHCNE_ASSOCCHANGED */, 0 /* SHCNF_IDLIST */, nullptr, nullptr);
}

}  // namespace vantry::win
