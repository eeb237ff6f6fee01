#include "win/ui/TextField.h"

#include <commctrl.h>

#include "core/ui/Colours.h"
#include "core/ui/ControlLayout.h"
#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"

namespace vantry::win {

bool TextField::create(HWND parent, int id, int x, int y, int widthPx, bool tabStop) {
    const TextFieldLayout l = TextFieldPixels(widthPx, WindowDpi(parent));
    if (!FramedControl::create(parent, id, tabStop,
                               {L"HLDSVantryTextField", CursorId(IDC_IBEAM), colour::Orange, {x, y, l.width, l.height},
                                L"EDIT", ES_AUTOHSCROLL, l.field}))
        return false;
    return true;
}

void TextField::move(int x, int y, int widthPx, int heightPx) {
    if (hwnd_)
        MoveWindow(hwnd_, x, y, widthPx, heightPx, TRUE);
}

std::string TextField::text() const {
    if (!field())
        return {};
    return TextOf(field());
}

void TextField::setText(const std::string& text) { SetWindowTextW(field(), Widen(text).c_str()); }

bool TextField::locked() const { return (GetWindowLongW(field(), GWL_STYLE) & ES_READONLY) != 0; }

void TextField::setLocked(bool locked) { SendMessageW(field(), EM_SETREADONLY, locked, 0); }

void TextField::onDestroyed() { tip_.destroy(); }

void TextField::layOut() {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    // Any height: the DPI's own is forced on the way.
    SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    placeField();
}

void TextField::placeField() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const TextFieldLayout l = TextFieldPixels(client.right, WindowDpi(hwnd_));
    MoveWindow(field(), l.field.left, l.field.top, l.field.width, l.field.height, TRUE);
}

LRESULT TextField::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == EN_CHANGE && onChange)
            onChange();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only and disabled fields ask this one
        SetTextColor(reinterpret_cast<HDC>(wp), colour::Orange);
        SetBkColor(reinterpret_cast<HDC>(wp), colour::Black);
        return reinterpret_cast<LRESULT>(SolidBrush(colour::Black));
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (!(pos->flags & SWP_NOSIZE))
            pos->cy = TextFieldPixels(pos->cx, WindowDpi(hwnd_)).height;
        return 0;
    }
    case WM_SIZE:
        placeField();
        return 0;
    }
    return FramedControl::handle(msg, wp, lp);
}

LRESULT TextField::innerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETFOCUS: {
        const LRESULT result = innerDefault(hwnd, msg, wp, lp);
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return result;
    }
    case WM_MOUSEMOVE:
        // The tooltip shows the whole text, however little of it fits.
        tip_.setText(field(), text());
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        tip_.relay(hwnd, msg, wp, lp);
        break;
    }
    return FramedControl::innerMessage(hwnd, msg, wp, lp);
}

}  // namespace vantry::win
