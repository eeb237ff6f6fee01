#include "win/ui/Window.h"

#include "win/platform/Handles.h"

namespace vantry::win {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

namespace {

UniqueMenu BuildMenu(const Menu& items) {
    UniqueMenu built(CreatePopupMenu());
    HMENU menu = built.get();
    for (const MenuItem& item : items) {
        if (!item.submenu.empty()) {
            UniqueMenu sub = BuildMenu(item.submenu);
            // Attached, the submenu goes with its parent.
            if (AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), item.caption.c_str()))
                sub.release();
        } else if (item.isSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            const UINT flags = MF_STRING | (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
            AppendMenuA(menu, flags, static_cast<UINT_PTR>(item.command), item.caption.c_str());
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
    PostMessageA(owner, WM_NULL, 0, 0);
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

bool Window::create(const char* className, DWORD exStyle, DWORD style, const char* title, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId, HICON icon,
                    HBRUSH background, LPCSTR cursor) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(Instance(), className, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = Proc;
        wc.hInstance = Instance();
        wc.hIcon = icon;
        wc.hIconSm = icon;
        wc.hCursor = LoadCursorA(nullptr, cursor ? cursor : reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = background ? background : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = className;
        if (!RegisterClassExA(&wc))
            return false;
    }
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                           Instance(), this) != nullptr;
}

LRESULT Window::handle(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->handle(msg, wp, lp);
    } catch (...) {
        // A failed handler must not take the message loop down with it.
        result = DefWindowProcA(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->onDestroyed();
    }
    return result;
}

}  // namespace vantry::win
