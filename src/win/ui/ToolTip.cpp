#include "win/ui/ToolTip.h"

#include <commctrl.h>

#include "win/platform/WideText.h"
#include "win/ui/Window.h"

namespace vantry::win {

namespace {
void SendTool(HWND tip, HWND control, UINT msg, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    // Only read: the tooltip keeps a copy of its own.
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tip, msg, 0, reinterpret_cast<LPARAM>(&tool));
}
}  // namespace

void ToolTip::setText(HWND control, const std::string& text) {
    if (!control)
        return;
    const std::wstring wide = Widen(text);
    if (!window_) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        window_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(control),
                                      nullptr, Instance(), nullptr));
        SendTool(window_.get(), control, TTM_ADDTOOLW, wide);
    } else if (text != text_) {
        SendTool(window_.get(), control, TTM_UPDATETIPTEXTW, wide);
    }
    text_ = text;
}

void ToolTip::relay(HWND control, UINT msg, WPARAM wp, LPARAM lp) const {
    if (!window_)
        return;
    MSG relayed{control, msg, wp, lp, 0, {}};
    SendMessageW(window_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace vantry::win
