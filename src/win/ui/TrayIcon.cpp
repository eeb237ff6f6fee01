#include "win/ui/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>
#include <set>

#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"
#include "win/resources/resource.h"

namespace vantry::win {

namespace {
UINT TaskbarCreated() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// Every TrayIcon alive; the program has one UI thread, so no lock.
std::set<TrayIcon*>& LiveIcons() {
    static std::set<TrayIcon*> icons;
    return icons;
}
}  // namespace

TrayIcon::TrayIcon(HICON icon) : icon_(icon) {
    if (!icon_) {
        ownedIcon_.reset(static_cast<HICON>(LoadImageW(
            Instance(), MAKEINTRESOURCEW(IDI_VANTRY), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
            GetSystemMetrics(SM_CYSMICON), 0)));
        icon_ = ownedIcon_.get();
    }
    create(L"HLDSVantryTrayIcon", WS_EX_TOOLWINDOW, WS_POPUP, "HLDS Vantry", 0, 0, 0, 0, nullptr,
           nullptr);
    // Run as administrator, the program would otherwise never hear from a
    // restarted taskbar: a less privileged sender's messages are filtered.
    if (hwnd_)
        ChangeWindowMessageFilterEx(hwnd_, TaskbarCreated(), MSGFLT_ALLOW, nullptr);
    LiveIcons().insert(this);
}

TrayIcon::~TrayIcon() {
    LiveIcons().erase(this);
    setShown(false);
}

void TrayIcon::removeAll() {
    for (TrayIcon* icon : LiveIcons())
        icon->setShown(false);
}

namespace {
// Cut to fit, but never between the two halves of a character outside the
// basic plane; the zeroed rest of the field ends the text.
template <std::size_t Size>
void CopyCut(const std::string& text, wchar_t (&field)[Size]) {
    const std::wstring wide = Widen(text);
    std::size_t length = std::min(wide.size(), Size - 1);
    if (length < wide.size() && length > 0 && IS_HIGH_SURROGATE(wide[length - 1]))
        --length;
    std::copy_n(wide.begin(), length, field);
}
}  // namespace

bool TrayIcon::notify(DWORD action, UINT flags, NOTIFYICONDATAW data) {
    data.cbSize = sizeof data;
    data.hWnd = hwnd_;
    data.uID = IconId;
    data.uFlags = flags;
    data.uCallbackMessage = CallbackMessage;
    data.hIcon = icon_;
    CopyCut(tooltip_, data.szTip);
    data.uVersion = NOTIFYICON_VERSION;
    using NotifyFunction = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
    const auto shellNotify = LateBound<NotifyFunction>("shell32.dll", "Shell_NotifyIconW");
    return shellNotify && shellNotify(action, &data) != FALSE;
}

bool TrayIcon::showBalloon(const std::string& title, const std::string& text, BalloonIcon icon) {
    if (!shown_)
        return false;
    NOTIFYICONDATAW data{};
    CopyCut(title, data.szInfoTitle);
    CopyCut(text, data.szInfo);
    data.dwInfoFlags = icon == BalloonIcon::Error ? NIIF_ERROR : NIIF_WARNING;
    return notify(NIM_MODIFY, NIF_INFO, data);
}

void TrayIcon::add() {
    // Version 3 callbacks: WM_CONTEXTMENU for the menu, NIN_KEYSELECT for the
    // keyboard, which the default callbacks lack.
    if (notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP))
        notify(NIM_SETVERSION, 0);
}

void TrayIcon::remove() { notify(NIM_DELETE, 0); }

void TrayIcon::setShown(bool shown) {
    if (shown == shown_ || !hwnd_)
        return;
    shown_ = shown;
    if (shown)
        add();
    else
        remove();
}

void TrayIcon::setTooltip(const std::string& tooltip) {
    tooltip_ = tooltip;
    if (shown_)
        notify(NIM_MODIFY, NIF_TIP);
}

LRESULT TrayIcon::handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == CallbackMessage) {
        // Version 3 reports a click as the button messages followed by a
        // summary (NIN_SELECT after a left click, WM_CONTEXTMENU after a right
        // click). One of each pair is taken, so a click raises one event.
        // The callback runs from a copy: it may end the program and free this icon.
        switch (LOWORD(lp)) {
        case WM_LBUTTONUP:
        case NIN_KEYSELECT:
            if (const auto activate = onActivate)
                activate();
            break;
        case WM_CONTEXTMENU:
            SetForegroundWindow(hwnd_);
            if (const auto request = onMenuRequest)
                request();
            break;
        }
        return 0;
    }
    if (msg == TaskbarCreated()) {
        // The taskbar came (back): it knows no icons, so a shown one is added again.
        if (shown_)
            add();
        return 0;
    }
    return Window::handle(msg, wp, lp);
}

}  // namespace vantry::win
