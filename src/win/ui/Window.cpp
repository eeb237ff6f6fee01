#include "win/ui/Window.h"

#include "win/platform/Handles.h"
#include "win/platform/WideText.h"

namespace vantry::win {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

namespace {

UniqueMenu BuildMenu(const Menu& items) {
    UniqueMenu built(CreatePopupMenu());
    HMENU menu = built.get();
    for (const MenuItem& item : items) {
        if (!item.submenu.empty()) {
            UniqueMenu sub = BuildMenu(item.submenu);
            // Attached, the submenu goes with its parent.
            if (AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), Widen(item.caption).c_str()))
                sub.release();
        } else if (item.isSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            const UINT flags = MF_STRING | (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
            AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.command), Widen(item.caption).c_str());
        }
    }
    return built;
}

}  // namespace

int ShowPopupMenu(const Menu& items, HWND owner, const POINT* at) {
    const UniqueMenu menu = BuildMenu(items);
    POINT point{};
    if (at)
        point = *at;
    else
        GetCursorPos(&point);
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

Window::~Window() { destroy(); }

void Window::destroy() {
    if (hwnd_) {
        HWND hwnd = hwnd_;
        DestroyWindow(hwnd);
        hwnd_ = nullptr;
    }
}

bool Window::create(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& title, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId, HICON icon,
                    HBRUSH background, LPCWSTR cursor) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(Instance(), className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = Instance();
        wc.hIcon = icon;
        wc.hIconSm = icon;
        wc.hCursor = LoadCursorW(nullptr, cursor ? cursor : CursorId(IDC_ARROW));
        wc.hbrBackground = background ? background : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc))
            return false;
    }
    return CreateWindowExW(exStyle, className, Widen(title).c_str(), style, x, y, width, height, parent, menuOrId,
                           Instance(), this) != nullptr;
}

LRESULT Window::handle(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Window::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->handle(msg, wp, lp);
    } catch (...) {
        // A failed handler must not take the message loop down with it.
        result = DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->onDestroyed();
    }
    return result;
}

void FlashUntilForeground(HWND window) {
    // A window in front is seen already; flashing it would only distract.
    if (!window || GetForegroundWindow() == window)
        return;
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = window;
    flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

}  // namespace vantry::win
