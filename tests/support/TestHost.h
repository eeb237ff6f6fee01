#pragma once

#include <windows.h>

#include "win/ui/Control.h"
#include "win/ui/MessageLoop.h"
#include "win/ui/Window.h"

namespace vantry::testutil {

// A plain black top-level window that hosts controls under test: it passes the
// parent-side messages on to the controls, as every window of the program does.
class TestHost : public win::Window {
public:
    explicit TestHost(const char* title = "Test host") {
        create(L"HLDSVantryTestHost", WS_EX_CONTROLPARENT, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
               title, 100, 100, 400, 300, nullptr, nullptr);
    }
    ~TestHost() override { destroy(); }

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
        LRESULT result = 0;
        if (win::ReflectToControl(hwnd_, msg, wp, lp, result))
            return result;
        return Window::handle(msg, wp, lp);
    }
};

// Handles whatever is queued for this thread, as the program's loop would,
// keyboard navigation included.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (win::PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace vantry::testutil
