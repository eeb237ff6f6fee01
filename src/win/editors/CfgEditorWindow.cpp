#include "win/editors/CfgEditorWindow.h"

#include <windowsx.h>

#include <string_view>

#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {

enum : UINT { TimerOpen = 1 };

constexpr Rect FilePlace{60, 315, 720, 270}, EditPlace{780, 315, 720, 270}, InsertPlace{1500, 315, 720, 270};
// How far in from its edges the borderless window can be sized by the mouse.
constexpr int SizingEdgeTwips = 60;

// The document counts its places in bytes of its UTF-8 text, the text box in
// UTF-16 units of the same text: a place in one is the length of the text
// before it in the other.
std::size_t Utf8Offset(std::wstring_view text, std::size_t units) { return Narrow(text.substr(0, units)).size(); }
std::size_t Utf16Offset(std::string_view text, std::size_t bytes) { return Widen(text.substr(0, bytes)).size(); }

}  // namespace

CfgEditorWindow::CfgEditorWindow(WindowSet& windows, const CfgEditorServices& services)
    : Frame(windows), presenter_(*this, services) {}

CfgEditorWindow::~CfgEditorWindow() { destroy(); }

LocateResult CfgEditorWindow::load(HWND owner) {
    FrameArgs args;
    args.className = L"HLDSVantryCfgEditor";
    args.title = cfgeditor::Title;
    args.widthTwips = cfgeditor::DefaultWidthTwips;
    args.heightTwips = cfgeditor::DefaultHeightTwips;
    args.owner = owner;
    if (!createFrame(args))
        return LocateResult::Known;
    // The file's name may be longer than the title has room for.
    titleLabel().showCaptionAsTip();
    createControls();
    if (presenter_.onLoad() == LocateResult::EndNow)
        return LocateResult::EndNow;
    if (presenter_.mode() == CfgEditorMode::AloneHidden) {
        // The file is read once the window is up and the message loop runs.
        SetTimer(hwnd_, TimerOpen, 1, nullptr);
    } else {
        showWindow();
    }
    return LocateResult::Known;
}

void CfgEditorWindow::createControls() {
    const auto menuButton = [this](FlatButton& button, int id, const Rect& place, const char* caption) {
        addButton(button, place, {.id = id, .caption = caption, .textColor = colour::Orange});
        // Pressing is enough: the menu opens on the press, as a menu bar's does.
        button.onPress = [this, id] {
            if (id == IdFile)
                presenter_.onFileButton();
            else if (id == IdEdit)
                presenter_.onEditButton();
            else
                presenter_.onInsertButton();
        };
    };
    menuButton(cmdFile_, IdFile, FilePlace, "&File");
    menuButton(cmdedit_, IdEdit, EditPlace, "&Edit");
    menuButton(cmdInsert_, IdInsert, InsertPlace, "&Insert");

    const CfgEditorLayout l = LayOutCfgEditor(cfgeditor::DefaultWidthTwips, cfgeditor::DefaultHeightTwips);
    addLabel(lbGame_, l.gameLabel, {.text = cfgeditor::GameCaption});
    cmbGame_.create(hwnd_, IdGame, px(l.games.left), px(l.games.top));
    keepPlaced(cmbGame_.hwnd(), l.games);
    cmbGame_.setLabel(lbGame_.text());  // its name for screen readers

    const Rect text = px(l.text);
    txtCFG_.attach(CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
            ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
        text.left, text.top, text.width, text.height, hwnd_, reinterpret_cast<HMENU>(IdText), Instance(),
        nullptr));
    // No practical limit: the default of 30,000 characters would cut a large
    // configuration short.
    SendMessageW(txtCFG_.hwnd(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SendMessageW(txtCFG_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd_))), FALSE);
}

void CfgEditorWindow::layOut() {
    if (!txtCFG_.hwnd())
        return;  // the frame's own first sizing, before the controls exist
    const Rect place = placeTwips();
    const CfgEditorLayout l = LayOutCfgEditor(place.width, place.height);
    const auto move = [this](HWND control, const Rect& twips, bool size) {
        const Rect r = px(twips);
        SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | (size ? 0 : SWP_NOSIZE));
    };
    move(txtCFG_.hwnd(), l.text, true);
    move(cmbGame_.hwnd(), l.games, false);
    move(lbGame_.hwnd(), l.gameLabel, true);
    RECT title;
    GetWindowRect(titleLabel().hwnd(), &title);
    SetWindowPos(titleLabel().hwnd(), nullptr, 0, 0, px(l.titleWidth), title.bottom - title.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT exit;
    GetWindowRect(picEx().hwnd(), &exit);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&exit), 2);
    SetWindowPos(picEx().hwnd(), nullptr, px(l.exitLeft), exit.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CfgEditorWindow::onDpiChanged() {
    layOut();
    // Only here: the text box measures every line again for a new font.
    SendMessageW(txtCFG_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd_))), TRUE);
}

std::string CfgEditorWindow::text() { return TextOf(txtCFG_.hwnd()); }

void CfgEditorWindow::setText(const std::string& text) { SetWindowTextW(txtCFG_.hwnd(), Widen(text).c_str()); }

std::pair<std::size_t, std::size_t> CfgEditorWindow::selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(txtCFG_.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WideTextOf(txtCFG_.hwnd());
    const std::size_t from = Utf8Offset(text, start);
    return {from, Utf8Offset(text, end) - from};
}

std::size_t CfgEditorWindow::selectionStart() { return selection().first; }

std::size_t CfgEditorWindow::selectionLength() { return selection().second; }

void CfgEditorWindow::replace(std::size_t start, std::size_t length, const std::string& text) {
    select(start, length);
    SendMessageW(txtCFG_.hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void CfgEditorWindow::select(std::size_t start, std::size_t length) {
    const std::string text = TextOf(txtCFG_.hwnd());
    SendMessageW(txtCFG_.hwnd(), EM_SETSEL, Utf16Offset(text, start), Utf16Offset(text, start + length));
    SendMessageW(txtCFG_.hwnd(), EM_SCROLLCARET, 0, 0);
}

int CfgEditorWindow::popupMenu(const Menu& menu, MenuButton under) {
    const FlatButton& button = under == MenuButton::File ? cmdFile_ : under == MenuButton::Edit ? cmdedit_ : cmdInsert_;
    RECT rc;
    GetWindowRect(button.hwnd(), &rc);
    const POINT below{rc.left, rc.bottom};
    return ShowPopupMenu(menu, hwnd_, &below);
}

void CfgEditorWindow::resetMenuButtons() {
    for (FlatButton* button : {&cmdFile_, &cmdedit_, &cmdInsert_})
        button->reset();
}

void CfgEditorWindow::showWindow() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    focusText();
}

void CfgEditorWindow::place(const Rect& twips) { placePixels(px(twips)); }

void CfgEditorWindow::endProgram() {
    if (onEndProgram)
        onEndProgram();
}

void CfgEditorWindow::closeToMain() {
    if (onClosedToMain)
        onClosedToMain();
}

void CfgEditorWindow::unload() {
    if (!hwnd_)
        return;
    presenter_.onUnload();
    Frame::unload();
}

LRESULT CfgEditorWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == TimerOpen) {
            KillTimer(hwnd_, TimerOpen);
            presenter_.onOpenTimer();
        }
        return 0;
    case WM_SIZE:
        layOut();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {px(cfgeditor::MinWidthTwips), px(cfgeditor::MinHeightTwips)};
        return 0;
    }
    case WM_NCHITTEST: {
        // A borderless window: its outer edges size it.
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ScreenToClient(hwnd_, &at);
        RECT rc;
        GetClientRect(hwnd_, &rc);
        const int edge = px(SizingEdgeTwips);
        const bool left = at.x < edge, right = at.x >= rc.right - edge;
        const bool top = at.y < edge, bottom = at.y >= rc.bottom - edge;
        if (bottom)
            return right ? HTBOTTOMRIGHT : left ? HTBOTTOMLEFT : HTBOTTOM;
        if (top && !right)
            return left ? HTTOPLEFT : HTTOP;
        if (right && !top)
            return HTRIGHT;
        if (left)
            return HTLEFT;
        break;
    }
    }
    return Frame::handle(msg, wp, lp);
}

bool CfgEditorWindow::Text::onReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != EN_CHANGE)
        return false;
    presenter_.onTextChanged();
    result = 0;
    return true;
}

LRESULT CfgEditorWindow::Text::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Ctrl+X, Ctrl+C and Ctrl+V come here too: the text box turns them into these.
    switch (msg) {
    case WM_KEYDOWN:
    case WM_CHAR:
        // In a window that handles dialog keys, the text box would take Esc
        // for closing its window: the document is not to go on a slip.
        if (wp == VK_ESCAPE)
            return 0;
        break;
    case WM_CUT:
        presenter_.Cut();
        return 0;
    case WM_COPY:
        presenter_.Copy();
        return 0;
    case WM_PASTE:
        presenter_.Paste();
        return 0;
    }
    return Control::subclassed(hwnd, msg, wp, lp);
}

}  // namespace vantry::win
