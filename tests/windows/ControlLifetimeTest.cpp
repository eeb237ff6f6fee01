#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestHost.h"
#include "win/platform/Handles.h"
#include "win/ui/CheckListBox.h"
#include "win/ui/FlatButton.h"
#include "win/ui/GameCombo.h"
#include "win/ui/Label.h"
#include "win/ui/TextField.h"

using namespace vantry;

namespace {

struct HookTraits {
    using Handle = HHOOK;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { UnhookWindowsHookEx(h); }
};

// The windows still bound to an object after their very last message.
std::vector<HWND> leftBound;

LRESULT CALLBACK AfterEachMessage(int code, WPARAM wp, LPARAM lp) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && sent->message == WM_NCDESTROY && GetPropA(sent->hwnd, "HLDSVantry.Control"))
        leftBound.push_back(sent->hwnd);
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A control of every kind, and the windows each one holds.
struct Controls {
    explicit Controls(HWND host) {
        label.create(host, {.id = 1, .text = "Port", .rect = {0, 0, 50, 20}});
        button.create(host, {.id = 2, .caption = "OK", .rect = {0, 30, 50, 20}});
        list.create(host, 3, 0, 60, 100, 60);
        field.create(host, 4, 0, 130, 100);
        SendMessageW(field.field(), WM_MOUSEMOVE, 0, 0);  // the tooltip comes with the first move
        combo.create(host, 5, 0, 160);
    }
    std::vector<HWND> windows() const {
        return {label.hwnd(), button.hwnd(), list.hwnd(), field.hwnd(), field.field(), field.toolTip(),
                combo.hwnd(), combo.combo()};
    }
    win::Label label;
    win::FlatButton button;
    win::CheckListBox list;
    win::TextField field;
    win::GameCombo combo;
};

}  // namespace

TEST(ControlLifetime, EveryControlForgetsAndUnbindsItsWindowsHoweverTheyGo) {
    const win::UniqueHandle<HookTraits> hook(
        SetWindowsHookExA(WH_CALLWNDPROCRET, AfterEachMessage, nullptr, GetCurrentThreadId()));
    for (const std::string way : {"with their parent", "each on its own", "with their objects"}) {
        SCOPED_TRACE(way);
        leftBound.clear();
        testutil::TestHost host;
        auto c = std::make_unique<Controls>(host.hwnd());
        const std::vector<HWND> windows = c->windows();
        ASSERT_EQ(std::count(windows.begin(), windows.end(), nullptr), 0);
        if (way == "with their parent")
            DestroyWindow(host.hwnd());
        else if (way == "each on its own")
            for (HWND w : {c->label.hwnd(), c->button.hwnd(), c->list.hwnd(), c->field.hwnd(), c->combo.hwnd()})
                DestroyWindow(w);
        else
            c.reset();
        EXPECT_EQ(std::count_if(windows.begin(), windows.end(), IsWindow), 0);
        EXPECT_EQ(leftBound, std::vector<HWND>{});
        if (c) {
            EXPECT_EQ(c->windows(), std::vector<HWND>(windows.size(), nullptr));
        }
    }
}
