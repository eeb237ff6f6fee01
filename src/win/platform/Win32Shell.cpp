#include "win/platform/Win32Shell.h"

#include <windows.h>

#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"

namespace vantry::win {

namespace {
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

bool Win32Shell::execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
    using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    const auto execute = LateBound<ExecuteFunction>("shell32.dll", "ShellExecuteW");
    if (!execute)
        return false;
    EnsureComApartment();
    const std::wstring wideVerb = Widen(verb), wideFile = Widen(file), wideParameters = Widen(parameters),
                       wideDirectory = Widen(directory);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(execute(static_cast<HWND>(owner), OrNull(wideVerb), wideFile.c_str(),
                                             OrNull(wideParameters), OrNull(wideDirectory), showCommand)) > 32;
}

void Win32Shell::associationsChanged() {
    using NotifyFunction = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);
    if (const auto notify = LateBound<NotifyFunction>("shell32.dll", "SHChangeNotify"))
        notify(0x08000000 /* SHCNE_ASSOCCHANGED */, 0 /* SHCNF_IDLIST */, nullptr, nullptr);
}

}  // namespace vantry::win
