#include "win/platform/Win32FileDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "core/text/Paths.h"
#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"

namespace vantry::win {

namespace {

// Room for the longest path the system knows.
constexpr DWORD PathBufferSize = 32768;

std::string Show(bool save, WindowHandle owner, const std::string& filterList,
                 const std::string& title, const std::string& initialDir) {
    // The filter's own NULs end the pairs; c_str() adds the NUL that ends the list.
    const std::wstring filter = Widen(ToDialogFilter(filterList));
    const std::wstring dir = Widen(initialDir), caption = Widen(title);
    std::vector<wchar_t> file(PathBufferSize, L'\0');
    std::vector<wchar_t> fileTitle(PathBufferSize, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = static_cast<HWND>(owner);
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 0;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = PathBufferSize;
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = PathBufferSize;
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    // OFN_NOCHANGEDIR: the dialog would otherwise leave the process's current
    // directory in the last folder browsed, keeping that folder in use.
    ofn.Flags = save ? OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR
                     : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

    using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto show = LateBound<DialogFunction>("comdlg32.dll", save ? "GetSaveFileNameW" : "GetOpenFileNameW");
    if (!show)
        return {};
    EnsureComApartment();
    if (!show(&ofn))
        return {};
    const std::string chosen = Narrow(std::wstring_view(file.data()));
    return DialogResultText(chosen.data(), chosen.size());
}

}  // namespace

std::string Win32FileDialogs::showOpen(WindowHandle owner, const std::string& filter,
                                       const std::string& title, const std::string& initialDir) {
    return Show(false, owner, filter, title, initialDir);
}

std::string Win32FileDialogs::showSave(WindowHandle owner, const std::string& filter,
                                       const std::string& title, const std::string& initialDir) {
    return Show(true, owner, filter, title, initialDir);
}

}  // namespace vantry::win
