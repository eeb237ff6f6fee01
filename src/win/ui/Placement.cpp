#include "win/ui/Placement.h"

#include <cmath>

#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {
int RoundedTwips(int pixels, int dpi) { return static_cast<int>(std::lround(PixelsToTwips(pixels, dpi))); }
}  // namespace

int Placement::px(double twips) const { return Px(hwnd(), twips); }

Rect Placement::px(const Rect& twips) const {
    // Edge by edge, so that controls which meet in twips still meet in pixels.
    const int left = px(twips.left), top = px(twips.top);
    return {left, top, px(twips.right()) - left, px(twips.bottom()) - top};
}

void Placement::keepPlaced(HWND control, const Rect& twips) { placed_.emplace_back(control, twips); }

template <class Control, class Args>
bool Placement::add(Control& control, const Rect& twips, Args& args) {
    args.rect = px(twips);
    if (!control.create(hwnd(), args))
        return false;
    keepPlaced(control.hwnd(), twips);
    return true;
}

bool Placement::addLabel(Label& label, const Rect& twips, LabelArgs args) { return add(label, twips, args); }

bool Placement::addButton(FlatButton& button, const Rect& twips, FlatButtonArgs args) {
    return add(button, twips, args);
}

void Placement::changeDpi(int dpi, const RECT& suggested) {
    const Rect was = placeTwips();  // at the DPI it leaves
    SetWindowDpi(hwnd(), dpi);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, px(was.width), px(was.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Everything again from its twips, as at creation; each control then
    // takes its own font and inner layout at the new DPI.
    for (const auto& [control, twips] : placed_) {
        const Rect r = px(twips);
        SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, DpiChangedAfterParent, 0, 0);
    }
}

void Placement::sizeTwips(int widthTwips, int heightTwips) {
    SetWindowPos(hwnd(), nullptr, 0, 0, px(widthTwips), px(heightTwips), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Placement::placeTwips() const {
    RECT rc;
    GetWindowRect(hwnd(), &rc);
    const int dpi = WindowDpi(hwnd());
    return {RoundedTwips(rc.left, dpi), RoundedTwips(rc.top, dpi), RoundedTwips(rc.right - rc.left, dpi),
            RoundedTwips(rc.bottom - rc.top, dpi)};
}

int Placement::screenWidthTwips() const { return RoundedTwips(GetSystemMetrics(SM_CXSCREEN), WindowDpi(hwnd())); }

int Placement::screenHeightTwips() const { return RoundedTwips(GetSystemMetrics(SM_CYSCREEN), WindowDpi(hwnd())); }

void Placement::moveTo(const Rect& twips) {
    RECT now;
    GetWindowRect(hwnd(), &now);
    placePixels({px(twips.left), px(twips.top), now.right - now.left, now.bottom - now.top});
}

void Placement::placePixels(const Rect& pixels) {
    Rect place = pixels;
    const RECT rc{place.left, place.top, place.right(), place.bottom()};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) &&
        GetMonitorInfoW(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        place = MovedInto(place, {work.left, work.top, work.right - work.left, work.bottom - work.top});
    }
    SetWindowPos(hwnd(), nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Placement::centre() {
    RECT rc;
    GetWindowRect(hwnd(), &rc);
    const auto pos = Centred(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), rc.right - rc.left,
                             rc.bottom - rc.top);
    SetWindowPos(hwnd(), nullptr, pos.left, pos.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Placement::makeTopmost() {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

}  // namespace vantry::win
