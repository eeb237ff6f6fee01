#include "win/ui/CheckListBox.h"

#include <oleacc.h>

#include "core/ui/Colours.h"
#include "win/platform/Handles.h"
#include "win/platform/WideText.h"
#include "win/ui/Accessible.h"
#include "win/ui/Dpi.h"
#include "win/ui/ListFill.h"
#include "win/ui/Window.h"

namespace vantry::win {

namespace {
constexpr int ItemHeightTwips = 255;
constexpr COLORREF SelectedBack = RGB(80, 36, 0);

std::wstring ItemText(HWND hwnd, int index) {
    const LRESULT length = SendMessageW(hwnd, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(hwnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

bool ItemTicked(HWND hwnd, int index) { return SendMessageW(hwnd, LB_GETITEMDATA, index, 0) == 1; }

// For screen readers: each entry a check box named by its title, checked when
// ticked, among the standard list item's states; the list named by its label.
class CheckListAnswers final : public LabelledAnswers {
public:
    using LabelledAnswers::LabelledAnswers;
    bool covers(HWND hwnd, LONG child) const override {
        return child == CHILDID_SELF || (child > 0 && child <= SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
    }
    std::optional<std::string> name(HWND hwnd, LONG child) const override {
        if (child == CHILDID_SELF)
            return LabelledAnswers::name(hwnd, child);
        return Narrow(ItemText(hwnd, child - 1));
    }
    std::optional<LONG> role(HWND, LONG child) const override {
        if (child == CHILDID_SELF)
            return std::nullopt;
        return ROLE_SYSTEM_CHECKBUTTON;
    }
    LONG state(HWND hwnd, LONG child, LONG standard) const override {
        if (child == CHILDID_SELF)
            return standard;
        return ItemTicked(hwnd, child - 1) ? standard | STATE_SYSTEM_CHECKED : standard & ~STATE_SYSTEM_CHECKED;
    }
};
}  // namespace

bool CheckListBox::create(HWND parent, int id, int x, int y, int width, int height) {
    HWND hwnd = CreateWindowExW(
        0, L"LISTBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
            LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
        x, y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(),
        nullptr);
    if (!attach(hwnd))
        return false;
    scale(false);
    return true;
}

void CheckListBox::scale(bool redraw) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd_))), redraw);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, Px(hwnd_, ItemHeightTwips));
}

int CheckListBox::count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
int CheckListBox::current() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }
void CheckListBox::setCurrent(int index) { SendMessageW(hwnd_, LB_SETCURSEL, index, 0); }

std::string CheckListBox::text(int index) const { return Narrow(ItemText(hwnd_, index)); }

bool CheckListBox::ticked(int index) const { return ItemTicked(hwnd_, index); }

// Never sorted: a new entry is the last, unticked.
int CheckListBox::add(const std::string& text) {
    return static_cast<int>(SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
}

void CheckListBox::fill(const std::vector<std::string>& texts) { FillList(hwnd_, ListBoxMessages, texts); }

void CheckListBox::clear() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }

void CheckListBox::insert(int row, const std::string& text) {
    SendMessageW(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void CheckListBox::remove(int index) { SendMessageW(hwnd_, LB_DELETESTRING, index, 0); }

void CheckListBox::setText(int index, const std::string& text) {
    if (index < 0 || index >= count())
        return;
    // A list box has no "set text": replace the entry where it stands.
    const bool mark = ticked(index);
    const int selected = current();
    SendMessageW(hwnd_, LB_DELETESTRING, index, 0);
    SendMessageW(hwnd_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    SendMessageW(hwnd_, LB_SETITEMDATA, index, mark ? 1 : 0);
    if (selected == index)
        setCurrent(index);
}

void CheckListBox::setTicked(int index, bool ticked) {
    SendMessageW(hwnd_, LB_SETITEMDATA, index, ticked ? 1 : 0);
    RECT rc;
    if (SendMessageW(hwnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc)) != LB_ERR) {
        InvalidateRect(hwnd_, &rc, FALSE);
        // A screen reader says the entry's new state, as it does for any check box.
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd_, OBJID_CLIENT, index + 1);
    }
}

int CheckListBox::boxWidth() const { return Px(hwnd_, ItemHeightTwips); }

void CheckListBox::toggle(int index) {
    if (index < 0 || index >= count())
        return;
    setTicked(index, !ticked(index));
    if (onToggle)
        onToggle(index);
    raiseClick();
}

void CheckListBox::raiseClick() {
    if (onClick)
        onClick();
}

void CheckListBox::draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT rc = item.rcItem;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &rc, SolidBrush(selected ? SelectedBack : colour::Black));
    if (static_cast<int>(item.itemID) < 0)
        return;

    // The tick box: an orange square, filled with a tick when the console is shown.
    const int box = rc.bottom - rc.top;
    const int inset = box / 4;
    RECT square{rc.left + inset, rc.top + inset, rc.left + box - inset, rc.bottom - inset};
    FrameRect(dc, &square, SolidBrush(colour::Orange));
    if (item.itemData == 1) {
        UniqueGdiObject pen(CreatePen(PS_SOLID, std::max(1, box / 10), colour::Orange));
        ScopedSelect use(dc, pen.get());
        const int w = square.right - square.left;
        MoveToEx(dc, square.left + w / 5, square.top + w / 2, nullptr);
        LineTo(dc, square.left + w * 2 / 5, square.bottom - w / 4);
        LineTo(dc, square.right - w / 5, square.top + w / 5);
    }

    RECT textRect{rc.left + box + inset, rc.top, rc.right - inset, rc.bottom};
    const std::wstring label = ItemText(hwnd_, static_cast<int>(item.itemID));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour::Orange);
    ScopedSelect font(dc, TahomaFont(WindowDpi(hwnd_)));
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        FrameRect(dc, &rc, SolidBrush(RGB(150, 65, 0)));
}

bool CheckListBox::onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_DRAWITEM:
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    case WM_CTLCOLORLISTBOX:
        SetBkColor(reinterpret_cast<HDC>(wp), colour::Black);
        result = reinterpret_cast<LRESULT>(SolidBrush(colour::Black));
        return true;
    case WM_COMMAND:
        if (HIWORD(wp) == LBN_SELCHANGE)
            raiseClick();
        result = 0;
        return true;
    }
    return false;
}

LRESULT CheckListBox::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const LRESULT hit = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lp);
        const LRESULT result = original(hwnd, msg, wp, lp);
        const int index = LOWORD(hit);
        if (!HIWORD(hit) && static_cast<short>(LOWORD(lp)) < boxWidth())
            toggle(index);
        return result;
    }
    case WM_CHAR:
        if (wp == ' ') {
            toggle(current());
            return 0;
        }
        break;
    case WM_KEYUP: {
        const LRESULT result = original(hwnd, msg, wp, lp);
        if (onKeyUp)
            onKeyUp();
        return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const LRESULT result = original(hwnd, msg, wp, lp);
        if (onMouseUp)
            onMouseUp(MouseButtonOf(msg));
        return result;
    }
    case DpiChangedAfterParent:
        scale(true);
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT object = AnswerGetObject(hwnd, wp, lp, std::make_unique<CheckListAnswers>(label_)))
            return object;
        break;
    case WM_RBUTTONDOWN: {
        // The right button also picks the entry the menu will act on.
        const LRESULT hit = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lp);
        if (!HIWORD(hit))
            setCurrent(LOWORD(hit));
        SetFocus(hwnd);
        return 0;
    }
    }
    return original(hwnd, msg, wp, lp);
}

}  // namespace vantry::win
