#include "win/platform/Win32FileDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "win/platform/LateBound.h"
#include "core/text/Paths.h"

namespace vantry::win {

namespace {

// Room for paths well beyond MAX_PATH; a longer choice fails like a cancel.
constexpr DWORD PathBufferSize = 1024;

std::string Show(bool save, WindowHandle owner, const std::string& filterList,
                 const std::string& title, const std::string& initialDir) {
    // The filter's own NULs end the pairs; c_str() adds the NUL that ends the list.
    const std::string filter = ToDialogFilter(filterList);
    std::vector<char> file(PathBufferSize, '\0');
    std::vector<char> fileTitle(PathBufferSize, '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = static_cast<HWND>(owner);
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 0;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = PathBufferSize;
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = PathBufferSize;
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // OFN_NOCHANGEDIR: the dialog would otherwise leave the process's current
    // directory in the last folder browsed, keeping that folder in use.
    ofn.Flags = save ? OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR
                     : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

    using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto show = LateBound<DialogFunction>("comdlg32.dll", save ? "GetSaveFileNameA" : "GetOpenFileNameA");
    if (!show)
        return {};
    EnsureComApartment();
    if (!show(&ofn))
        return {};
    return DialogResultText(file.data(), file.size());
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
