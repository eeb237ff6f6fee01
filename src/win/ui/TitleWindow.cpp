#include "win/ui/TitleWindow.h"

#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {
constexpr UINT HandFocusMessage = WM_APP + 1;
constexpr int ClientWidthTwips = 1770, ClientHeightTwips = 195;
}  // namespace

TitleWindow::~TitleWindow() {
    unloading_ = true;
    windows_.unloaded(this);
    destroy();
}

bool TitleWindow::load(const std::string& caption) {
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    if (!create(L"HLDSVantryTitle", 0, style, caption, 0, 0, 0, 0, nullptr, nullptr,
                LoadIconW(Instance(), MAKEINTRESOURCEW(101))))
        return false;
    windows_.loaded(this);
    RECT rc{0, 0, Px(hwnd_, ClientWidthTwips), Px(hwnd_, ClientHeightTwips)};
    AdjustWindowRectEx(&rc, style, FALSE, 0);
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    // Wholly outside the screen, above and to the left, 100 twips clear of it.
    SetWindowPos(hwnd_, nullptr, -width - Px(hwnd_, 100), -height - Px(hwnd_, 100), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Nothing is to move it back into sight.
    DeleteMenu(GetSystemMenu(hwnd_, FALSE), SC_MOVE, MF_BYCOMMAND);
    return true;
}

void TitleWindow::hide() { ShowWindow(hwnd_, SW_HIDE); }

void TitleWindow::setMinimized(bool minimized) {
    ShowWindow(hwnd_, minimized ? SW_MINIMIZE : SW_RESTORE);
}

void TitleWindow::unload() {
    unloading_ = true;
    destroy();
}

LRESULT TitleWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ACTIVATE:
        // Posted: handing the focus on from inside the activation would fight it.
        if (LOWORD(wp) != WA_INACTIVE && !IsIconic(hwnd_))
            PostMessageW(hwnd_, HandFocusMessage, 0, 0);
        break;
    case WM_SIZE:
        if (wp == SIZE_RESTORED && GetActiveWindow() == hwnd_)
            PostMessageW(hwnd_, HandFocusMessage, 0, 0);
        break;
    case HandFocusMessage:
        if (GetActiveWindow() == hwnd_ && !IsIconic(hwnd_) && onHandFocus)
            onHandFocus();
        return 0;
    case WM_CLOSE:
        if (!unloading_ && onUserClose) {
            onUserClose();
            return 0;
        }
        break;
    }
    return Window::handle(msg, wp, lp);
}

}  // namespace vantry::win
