#include "win/ui/SystemControl.h"

#include <uxtheme.h>

#include "core/ui/Colours.h"
#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"
#include "win/ui/ListFill.h"
#include "win/ui/Window.h"

namespace vantry::win {

bool SystemControl::create(HWND parent, const wchar_t* className, const std::string& text, DWORD style, int id,
                           const Rect& pixels) {
    if (!attach(CreateWindowExW(0, className, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, pixels.left,
                                pixels.top, pixels.width, pixels.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), nullptr)))
        return false;
    // A themed group box draws its caption in the theme's colour, whatever it is given.
    SetWindowTheme(hwnd_, L" ", L" ");
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd_))), FALSE);
    return true;
}

bool SystemControl::onReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (onCommand)
            onCommand(HIWORD(wp));
        result = 0;
        return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        SetTextColor(reinterpret_cast<HDC>(wp), colour::Orange);
        SetBkColor(reinterpret_cast<HDC>(wp), colour::Black);
        result = reinterpret_cast<LRESULT>(SolidBrush(colour::Black));
        return true;
    }
    return false;
}

LRESULT SystemControl::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == DpiChangedAfterParent)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd))), TRUE);
    return Control::subclassed(hwnd, msg, wp, lp);
}

bool ListBox::create(HWND parent, int id, const Rect& pixels, bool sorted) {
    return SystemControl::create(parent, L"LISTBOX", "",
                                 WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                     LBS_HASSTRINGS | (sorted ? LBS_SORT : 0),
                                 id, pixels);
}

int ListBox::add(const std::string& text) {
    return static_cast<int>(SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
}

void ListBox::fill(const std::vector<std::string>& texts) {
    FillList(hwnd_, ListBoxMessages, sorted() ? SortedAsListBox(hwnd_, texts) : texts);
}

std::string ListBox::text(int row) const {
    const LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return Narrow(text);
}

void ListBox::insert(int row, const std::string& text) {
    SendMessageW(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

}  // namespace vantry::win
