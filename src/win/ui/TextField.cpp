#include "win/ui/TextField.h"

#include <commctrl.h>

#include <algorithm>

#include "core/ui/ControlLayout.h"
#include "win/ui/Dpi.h"
#include "core/ui/Look.h"
#include "win/ui/Window.h"

namespace vantry::win {

namespace {

constexpr char FrameClass[] = "HLDSVantryTextField";
constexpr UINT DpiChangedAfterParent = 0x02E3;


}  // namespace

TextField::~TextField() {
    // Destroy the windows while this object is whole: they still send messages
    // (the field's lost focus, for one) on their way out.
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool TextField::create(HWND parent, int id, int x, int y, int widthPx, bool tabStop) {
    if (hwnd_ || !RegisterFrameClass(FrameClass, IDC_IBEAM, colour::Orange,
                                        FrameProc<TextField, &TextField::frameMessage>))
        return false;
    const TextFieldLayout l = TextFieldPixels(widthPx, WindowDpi(parent));
    HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    HWND frame = CreateWindowExA(WS_EX_CONTROLPARENT, FrameClass, "",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, l.width, l.height,
                                 parent, menuId, Instance(), this);
    if (!frame)
        return false;
    attach(frame);

    field_ = CreateWindowExA(0, "EDIT", "",
                             WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (tabStop ? WS_TABSTOP : 0),
                             l.field.left, l.field.top, l.field.width, l.field.height, frame, menuId,
                             Instance(), nullptr);
    if (!field_)
        return false;
    SendMessageA(field_, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(frame))), FALSE);
    // An ANSI subclass, so that the key handlers see characters in the same
    // code page as the program's text.
    SetWindowLongPtrA(field_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const WNDPROC proc = InnerProc<TextField, &TextField::fieldMessage, &TextField::fieldProc_>;
    fieldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(field_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, frame, nullptr, Instance(), nullptr);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = frame;
    tool.uId = reinterpret_cast<UINT_PTR>(field_);
    tool.lpszText = const_cast<char*>("");
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

void TextField::move(int x, int y, int widthPx, int /*heightPx*/) {
    if (hwnd_)
        MoveWindow(hwnd_, x, y, widthPx, TextFieldPixels(widthPx, WindowDpi(hwnd_)).height, TRUE);
}

std::string TextField::text() const {
    if (!field_)
        return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TextField::setText(const std::string& text) { SetWindowTextA(field_, text.c_str()); }

bool TextField::enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void TextField::setEnabled(bool enabled) {
    // The field too: tabbing looks at the field's own state, not its frame's.
    EnableWindow(field_, enabled);
    EnableWindow(hwnd_, enabled);
}

bool TextField::locked() const { return (GetWindowLongA(field_, GWL_STYLE) & ES_READONLY) != 0; }

void TextField::setLocked(bool locked) { SendMessageA(field_, EM_SETREADONLY, locked, 0); }

void TextField::setMaxLength(int length) {
    maxLength_ = std::max(0, length);
    SendMessageA(field_, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TextField::setPasswordChar(const std::string& ch) {
    passwordChar_ = ch.substr(0, 1);
    SendMessageA(field_, EM_SETPASSWORDCHAR,
                 passwordChar_.empty() ? 0 : static_cast<unsigned char>(passwordChar_[0]), 0);
    InvalidateRect(field_, nullptr, TRUE);
}

std::pair<int, int> TextField::selection() const {
    DWORD start = 0, end = 0;
    SendMessageA(field_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

int TextField::selStart() const { return selection().first; }

int TextField::selLength() const {
    const auto [start, end] = selection();
    return end - start;
}

void TextField::setSelStart(int start) { SendMessageA(field_, EM_SETSEL, start, start); }

void TextField::setSelLength(int length) {
    const int start = selStart();
    SendMessageA(field_, EM_SETSEL, start, start + std::max(0, length));
}

std::string TextField::selText() const {
    const std::string all = text();
    const auto start = std::min(static_cast<std::size_t>(selStart()), all.size());
    return all.substr(start, static_cast<std::size_t>(selLength()));
}

void TextField::setSelText(const std::string& text) {
    SendMessageA(field_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TextField::setToolTipText(const std::string& text) { showToolTip(text); }

void TextField::showToolTip(const std::string& text) {
    toolTip_ = text;
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(field_);
    tool.lpszText = toolTip_.data();
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TextField::layOut() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const TextFieldLayout l = TextFieldPixels(client.right, WindowDpi(hwnd_));
    MoveWindow(field_, l.field.left, l.field.top, l.field.width, l.field.height, TRUE);
}

bool TextField::onReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == EN_CHANGE && onChange)
            onChange();
        result = 0;
        return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only and disabled fields ask this one
        SetTextColor(reinterpret_cast<HDC>(wp), colour::Orange);
        SetBkColor(reinterpret_cast<HDC>(wp), colour::Black);
        result = reinterpret_cast<LRESULT>(SolidBrush(colour::Black));
        return true;
    default:
        return false;
    }
}

LRESULT TextField::frameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lp) == field_) {
            LRESULT result = 0;
            if (onReflected(msg, wp, lp, result))
                return result;
        }
        break;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, SolidBrush(colour::Orange));
        return 1;
    }
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (!(pos->flags & SWP_NOSIZE))
            pos->cy = TextFieldPixels(pos->cx, WindowDpi(hwnd)).height;
        return 0;
    }
    case WM_SIZE:
        layOut();
        return 0;
    case WM_SETFOCUS:
        SetFocus(field_);
        return 0;
    case DpiChangedAfterParent: {
        SendMessageA(field_, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd))), TRUE);
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        // Any height: the new DPI's own is forced on the way.
        SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
    case WM_DESTROY:
        // The tooltip is owned by the top-level window, not by this one.
        if (tip_)
            DestroyWindow(tip_);
        tip_ = nullptr;
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        hwnd_ = field_ = nullptr;
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT TextField::fieldMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        // A disabled field takes no keys, even ones sent to it directly.
        if (!IsWindowEnabled(hwnd) || !RaiseKeyEvent(msg, wp, onKeyDown, onKeyPress, onKeyUp))
            return 0;
        break;
    case WM_SETFOCUS: {
        const LRESULT result = CallWindowProcA(fieldProc_, hwnd, msg, wp, lp);
        SendMessageA(hwnd, EM_SETSEL, 0, -1);
        return result;
    }
    case WM_MOUSEMOVE:
        showToolTip(text());
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        MSG relayed{hwnd, msg, wp, lp, 0, {}};
        SendMessageA(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        break;
    }
    }
    return CallWindowProcA(fieldProc_, hwnd, msg, wp, lp);
}

}  // namespace vantry::win
