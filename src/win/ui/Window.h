#pragma once

#include <windows.h>

#include <string>

#include "core/ui/MenuModel.h"

namespace vantry::win {

// Base of the program's own window classes: one window procedure that finds the
// C++ object and calls its handle(); no exception crosses into Windows.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class once per process (with a black background and the
    // arrow unless given others) and creates the window with this object behind it.
    bool create(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& title, int x, int y,
                int width, int height, HWND parent, HMENU menuOrId, HICON icon = nullptr,
                HBRUSH background = nullptr, LPCWSTR cursor = nullptr);
    void destroy();

    // The window's messages; the default is DefWindowProc.
    virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    // After WM_NCDESTROY: the window is gone.
    virtual void onDestroyed() {}

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

HINSTANCE Instance();

// A system cursor's id (IDC_ARROW...) as the wide calls take it: the headers
// spell those ids for the ANSI calls unless the whole program is built wide.
inline LPCWSTR CursorId(LPCSTR id) { return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(id)); }

// Pops a menu up at a screen point (the cursor when none is given) and returns
// the chosen entry's command (0 for none). The owner comes to the foreground
// first and is nudged afterwards, so the menu closes when the user clicks
// elsewhere, as a tray menu must.
int ShowPopupMenu(const Menu& menu, HWND owner, const POINT* at = nullptr);

// Flashes the window's taskbar button (and caption) until the user brings the
// window to the foreground; nothing when it is there already.
void FlashUntilForeground(HWND window);

}  // namespace vantry::win
