#include "win/ui/GameCombo.h"

#include <uxtheme.h>

#include <algorithm>

#include "core/ui/Colours.h"
#include "core/ui/ControlLayout.h"
#include "core/ui/Geometry.h"
#include "win/platform/Handles.h"
#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"
#include "win/ui/ListFill.h"

namespace vantry::win {

namespace {

constexpr int VisibleRows = 8;

// One row of the list: the font's height and a little air, scaled with it.
int RowHeight(int dpi) {
    WindowDC screen(nullptr);
    TEXTMETRICW tm{};
    ScopedSelect font(screen.get(), TahomaFont(dpi));
    GetTextMetricsW(screen.get(), &tm);
    return tm.tmHeight + TwipsToPixels(30, dpi);
}

std::wstring ItemText(HWND combo, int position) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

}  // namespace

bool GameCombo::create(HWND parent, int id, int x, int y, bool tabStop) {
    const GameComboLayout l = GameComboPixels(WindowDpi(parent));
    // Owner-drawn, because a themed drop-down list ignores the colours it is
    // given; unthemed, so that its border is the plain one the strips cover.
    if (!FramedControl::create(parent, id, tabStop,
                               {L"HLDSVantryGameCombo", CursorId(IDC_ARROW), colour::Black, {x, y, l.width, l.height},
                                L"COMBOBOX",
                                WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                    CBS_HASSTRINGS,
                                l.list}))
        return false;
    // Wine keeps the theme for an empty name; a space turns it off everywhere.
    SetWindowTheme(combo(), L" ", L" ");
    // The strips go above the list in z-order; being WS_CLIPSIBLINGS, the list
    // then never paints over them.
    for (HWND& strip : strips_)
        strip = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0,
                                0, hwnd_, nullptr, Instance(), nullptr);
    SendMessageW(combo(), CB_SETMINVISIBLE, VisibleRows, 0);
    layOut();
    return true;
}

void GameCombo::layOut() {
    const int dpi = WindowDpi(hwnd_);
    const GameComboLayout l = GameComboPixels(dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, l.width, l.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int row = RowHeight(dpi);
    SendMessageW(combo(), CB_SETITEMHEIGHT, 0, row);
    // The list's height follows its selection field, with a border that
    // differs between systems (and Wine reads the field height back 2 px off
    // what it was given): adjust the field until the list has its own height.
    int field = static_cast<int>(SendMessageW(combo(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int tries = 0; tries < 3; ++tries) {
        RECT rect{};
        GetWindowRect(combo(), &rect);
        if (rect.bottom - rect.top == l.list.height)
            break;
        field = std::max(row, field + l.list.height - static_cast<int>(rect.bottom - rect.top));
        SendMessageW(combo(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
    // A drop-down list's window height includes its opened list.
    SetWindowPos(combo(), nullptr, l.list.left, l.list.top, l.list.width, l.list.height + VisibleRows * row + 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < strips_.size(); ++i) {
        const Rect& b = l.strips[i];
        SetWindowPos(strips_[i], HWND_TOP, b.left, b.top, b.width, b.height, SWP_NOACTIVATE);
    }
}

std::string GameCombo::text(int row) const { return Narrow(ItemText(combo(), row)); }

int GameCombo::add(const std::string& text) {
    insert(-1, text);
    return count() - 1;
}

void GameCombo::insert(int row, const std::string& text) {
    SendMessageW(combo(), CB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void GameCombo::fill(const std::vector<std::string>& texts) { FillList(combo(), ComboBoxMessages, texts); }

void GameCombo::clear() { SendMessageW(combo(), CB_RESETCONTENT, 0, 0); }

void GameCombo::remove(int row) { SendMessageW(combo(), CB_DELETESTRING, static_cast<WPARAM>(row), 0); }

int GameCombo::count() const { return static_cast<int>(SendMessageW(combo(), CB_GETCOUNT, 0, 0)); }

int GameCombo::current() const { return static_cast<int>(SendMessageW(combo(), CB_GETCURSEL, 0, 0)); }

void GameCombo::setCurrent(int row) {
    SendMessageW(combo(), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    if (onClick)
        onClick();
}

bool GameCombo::isStrip(HWND hwnd) const {
    return std::find(strips_.begin(), strips_.end(), hwnd) != strips_.end();
}

void GameCombo::drawItem(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const bool disabled = item.itemState & ODS_DISABLED;
    // The selected row of the open list, and the field while it has the focus.
    const bool highlighted = (item.itemState & ODS_SELECTED) && !disabled;
    FillRect(dc, &item.rcItem, SolidBrush(highlighted ? colour::Orange : colour::Black));
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const std::wstring text = ItemText(combo(), static_cast<int>(item.itemID));
    ScopedSelect font(dc, TahomaFont(WindowDpi(hwnd_)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, highlighted ? colour::Black : disabled ? colour::DimOrange : colour::Orange);
    RECT textRect = item.rcItem;
    textRect.left += Px(hwnd_, 30);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT GameCombo::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == CBN_DROPDOWN && onDropDown)
            onDropDown();
        else if (HIWORD(wp) == CBN_SELCHANGE && onClick)
            onClick();
        return 0;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = static_cast<UINT>(RowHeight(WindowDpi(hwnd_)));
        return TRUE;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (isStrip(reinterpret_cast<HWND>(lp)))
            return reinterpret_cast<LRESULT>(SolidBrush(colour::Orange));
        [[fallthrough]];
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        SetTextColor(reinterpret_cast<HDC>(wp), colour::Orange);
        SetBkColor(reinterpret_cast<HDC>(wp), colour::Black);
        return reinterpret_cast<LRESULT>(SolidBrush(colour::Black));
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        const GameComboLayout l = GameComboPixels(WindowDpi(hwnd_));
        pos->cx = l.width;
        pos->cy = l.height;
        return 0;
    }
    }
    return FramedControl::handle(msg, wp, lp);
}

LRESULT GameCombo::innerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT)
        return FramedControl::innerMessage(hwnd, msg, wp, lp);
    // The strips hide only the outer pixel of the list's sunken edge at 96 DPI;
    // black out the rest so the frame stays flat. The strips lie above the list
    // and are clipped out of this DC.
    const LRESULT result = innerDefault(hwnd, msg, wp, lp);
    RECT client{};
    GetClientRect(hwnd, &client);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    WindowDC dc(hwnd);
    for (const RECT& side : {RECT{0, 0, client.right, edge}, RECT{0, 0, edge, client.bottom},
                             RECT{0, client.bottom - edge, client.right, client.bottom},
                             RECT{client.right - edge, 0, client.right, client.bottom}})
        FillRect(dc.get(), &side, SolidBrush(colour::Black));
    return result;
}

}  // namespace vantry::win
