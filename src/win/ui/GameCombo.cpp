#include "win/ui/GameCombo.h"

#include <uxtheme.h>

#include <algorithm>

#include "win/platform/Handles.h"
#include "core/ui/ControlLayout.h"
#include "win/ui/Dpi.h"
#include "win/ui/Window.h"

namespace vantry::win {

namespace {

constexpr char FrameClass[] = "HLDSVantryGameCombo";
constexpr UINT DpiChangedAfterParent = 0x02E3;
constexpr int VisibleRows = 8;


// One row of the list: the font's height and a little air, scaled with it.
int RowHeight(int dpi) {
    HDC screen = GetDC(nullptr);
    TEXTMETRICA tm{};
    {
        ScopedSelect font(screen, TahomaFont(dpi));
        GetTextMetricsA(screen, &tm);
    }
    ReleaseDC(nullptr, screen);
    return tm.tmHeight + TwipsToPixels(30, dpi);
}

}  // namespace

GameCombo::~GameCombo() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool GameCombo::create(HWND parent, int id, int x, int y, bool tabStop) {
    if (hwnd_ || !RegisterFrameClass(FrameClass, IDC_ARROW, colour::Black,
                                        FrameProc<GameCombo, &GameCombo::frameMessage>))
        return false;
    const GameComboLayout l = GameComboPixels(WindowDpi(parent));
    HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    HWND frame = CreateWindowExA(WS_EX_CONTROLPARENT, FrameClass, "",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, l.width, l.height,
                                 parent, menuId, Instance(), this);
    if (!frame)
        return false;
    attach(frame);
    // Owner-drawn, because a themed drop-down list ignores the colours it is
    // given; unthemed, so that its border is the plain one the strips cover.
    combo_ = CreateWindowExA(0, "COMBOBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWNLIST |
                                 CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | (tabStop ? WS_TABSTOP : 0),
                             l.list.left, l.list.top, l.list.width, l.list.height, frame, menuId,
                             Instance(), nullptr);
    if (!combo_)
        return false;
    // Wine keeps the theme for an empty name; a space turns it off everywhere.
    SetWindowTheme(combo_, L" ", L" ");
    SetWindowLongPtrA(combo_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const WNDPROC proc = InnerProc<GameCombo, &GameCombo::comboMessage, &GameCombo::comboProc_>;
    comboProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(combo_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    // The strips go above the list in z-order; being WS_CLIPSIBLINGS, the list
    // then never paints over them.
    for (HWND& strip : strips_)
        strip = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0,
                                0, frame, nullptr, Instance(), nullptr);
    SendMessageA(combo_, CB_SETMINVISIBLE, VisibleRows, 0);
    layOut();
    return true;
}

void GameCombo::layOut() {
    const int dpi = WindowDpi(hwnd_);
    const GameComboLayout l = GameComboPixels(dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, l.width, l.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(dpi)), FALSE);
    const int row = RowHeight(dpi);
    SendMessageA(combo_, CB_SETITEMHEIGHT, 0, row);
    // The list's height follows its selection field, with a border that
    // differs between systems (and Wine reads the field height back 2 px off
    // what it was given): adjust the field until the list has its own height.
    int field = static_cast<int>(SendMessageA(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int tries = 0; tries < 3; ++tries) {
        RECT rect{};
        GetWindowRect(combo_, &rect);
        if (rect.bottom - rect.top == l.list.height)
            break;
        field = std::max(row, field + l.list.height - static_cast<int>(rect.bottom - rect.top));
        SendMessageA(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
    // A drop-down list's window height includes its opened list.
    SetWindowPos(combo_, nullptr, l.list.left, l.list.top, l.list.width, l.list.height + VisibleRows * row + 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < strips_.size(); ++i) {
        const Rect& b = l.strips[i];
        SetWindowPos(strips_[i], HWND_TOP, b.left, b.top, b.width, b.height, SWP_NOACTIVATE);
    }
}

void GameCombo::setForeColor(COLORREF colour) {
    foreColor_ = colour;
    refresh();
}

bool GameCombo::enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void GameCombo::setEnabled(bool enabled) {
    EnableWindow(combo_, enabled);
    EnableWindow(hwnd_, enabled);
}

void GameCombo::refresh() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo_, &info) && IsWindowVisible(info.hwndList))
        RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::string GameCombo::list(int position) const {
    const LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length == CB_ERR)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got =
        SendMessageA(combo_, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::string GameCombo::text() const { return list(listIndex()); }

void GameCombo::addItem(const std::string& item, int position) {
    SendMessageA(combo_, CB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(item.c_str()));
}

void GameCombo::clear() { SendMessageA(combo_, CB_RESETCONTENT, 0, 0); }

void GameCombo::setList(int position, const std::string& text) {
    if (position < 0 || position >= listCount())
        return;
    const int selected = listIndex();
    SendMessageA(combo_, CB_DELETESTRING, static_cast<WPARAM>(position), 0);
    addItem(text, position);
    if (selected == position)
        SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int GameCombo::listCount() const { return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)); }

int GameCombo::listIndex() const { return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0)); }

void GameCombo::setListIndex(int index) {
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (onClick)
        onClick();
}

void GameCombo::removeItem(int position) {
    SendMessageA(combo_, CB_DELETESTRING, static_cast<WPARAM>(position), 0);
    InvalidateRect(combo_, nullptr, TRUE);
}

bool GameCombo::isStrip(HWND hwnd) const {
    return std::find(strips_.begin(), strips_.end(), hwnd) != strips_.end();
}

void GameCombo::drawItem(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const bool disabled = item.itemState & ODS_DISABLED;
    // The selected row of the open list, and the field while it has the focus.
    const bool highlighted = (item.itemState & ODS_SELECTED) && !disabled;
    FillRect(dc, &item.rcItem, SolidBrush(highlighted ? foreColor_ : colour::Black));
    if (item.itemID == static_cast<UINT>(-1))
        return;
    std::string text = list(static_cast<int>(item.itemID));
    ScopedSelect font(dc, TahomaFont(WindowDpi(hwnd_)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, highlighted ? colour::Black : disabled ? colour::DimOrange : foreColor_);
    RECT textRect = item.rcItem;
    textRect.left += Px(hwnd_, 30);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

bool GameCombo::onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == CBN_DROPDOWN && onDropDown)
            onDropDown();
        else if (HIWORD(wp) == CBN_SELCHANGE && onClick)
            onClick();
        return true;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = static_cast<UINT>(RowHeight(WindowDpi(hwnd_)));
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    case WM_CTLCOLORSTATIC:
        if (isStrip(reinterpret_cast<HWND>(lp))) {
            result = reinterpret_cast<LRESULT>(SolidBrush(colour::Orange));
            return true;
        }
        [[fallthrough]];
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        SetTextColor(reinterpret_cast<HDC>(wp), foreColor_);
        SetBkColor(reinterpret_cast<HDC>(wp), colour::Black);
        result = reinterpret_cast<LRESULT>(SolidBrush(colour::Black));
        return true;
    default:
        return false;
    }
}

LRESULT GameCombo::frameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        LRESULT result = 0;
        if (onReflected(msg, wp, lp, result))
            return result;
        break;
    }
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, SolidBrush(colour::Black));
        return 1;
    }
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        const GameComboLayout l = GameComboPixels(WindowDpi(hwnd));
        pos->cx = l.width;
        pos->cy = l.height;
        return 0;
    }
    case WM_SETFOCUS:
        SetFocus(combo_);
        return 0;
    case DpiChangedAfterParent:
        layOut();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        hwnd_ = combo_ = nullptr;
        strips_.fill(nullptr);
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT GameCombo::comboMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        // A disabled list takes no keys, even ones sent to it directly.
        if (!IsWindowEnabled(hwnd) || !RaiseKeyEvent(msg, wp, onKeyDown, onKeyPress, onKeyUp))
            return 0;
        break;
    case WM_PAINT: {
        // The strips hide only the outer pixel of the list's sunken edge at
        // 96 DPI; black out the rest so the frame stays flat. The strips lie
        // above the list and are clipped out of this DC.
        const LRESULT result = CallWindowProcA(comboProc_, hwnd, msg, wp, lp);
        RECT client{};
        GetClientRect(hwnd, &client);
        const int edge = GetSystemMetrics(SM_CXEDGE);
        HDC dc = GetDC(hwnd);
        for (const RECT& side : {RECT{0, 0, client.right, edge}, RECT{0, 0, edge, client.bottom},
                                 RECT{0, client.bottom - edge, client.right, client.bottom},
                                 RECT{client.right - edge, 0, client.right, client.bottom}})
            FillRect(dc, &side, SolidBrush(colour::Black));
        ReleaseDC(hwnd, dc);
        return result;
    }
    }
    return CallWindowProcA(comboProc_, hwnd, msg, wp, lp);
}

}  // namespace vantry::win
