#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <tuple>
#include <vector>

#include "ScreenReader.h"
#include "TestHost.h"
#include "win/ui/CheckListBox.h"
#include "win/ui/FlatButton.h"
#include "win/ui/GameCombo.h"
#include "win/ui/TextField.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// The state changes a screen reader hears of this thread's windows, while it
// lives: each as the window and the child whose state changed.
class StateChanges {
public:
    StateChanges()
        : hook_(SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr, Heard,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT)) {
        heard_.clear();
    }
    ~StateChanges() { UnhookWinEvent(hook_); }
    StateChanges(const StateChanges&) = delete;
    StateChanges& operator=(const StateChanges&) = delete;

    // The children of the window's client area whose state changed, in order.
    std::vector<LONG> of(HWND hwnd) const {
        PumpMessages();  // out of context: delivered through this thread's queue
        std::vector<LONG> children;
        for (const auto& [window, object, child] : heard_)
            if (window == hwnd && object == OBJID_CLIENT)
                children.push_back(child);
        return children;
    }

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
        heard_.emplace_back(hwnd, object, child);
    }

    static inline std::vector<std::tuple<HWND, LONG, LONG>> heard_;
    HWINEVENTHOOK hook_;
};

}  // namespace

// Each kind of the program's own controls through oleacc, as a screen reader
// reads it: the standard object's answers, with the control's own over them.
// What each window's controls are named, their roles and ticks, a screen
// reader in another process hears end to end (EndToEnd.AScreenReader...);
// here, what changes: the same object is read again after each change, as a
// screen reader that keeps it would.
TEST(AccessibilityTest, EachKindOfControlTellsItsNameRoleAndState) {
    const bool wine = UnderWine();
    TestHost host;

    // A button: named by its caption without the mnemonic marker, read anew
    // after each change; unavailable while disabled.
    win::FlatButton start;
    ASSERT_TRUE(start.create(host.hwnd(), {.id = 1, .caption = "&Start Server", .rect = {10, 10, 100, 25}}));
    const ScreenReader button(start.hwnd());
    ASSERT_TRUE(button);
    EXPECT_FALSE(button.has(STATE_SYSTEM_UNAVAILABLE));
    start.setEnabled(false);
    start.setCaption("S&how");
    EXPECT_TRUE(button.has(STATE_SYSTEM_UNAVAILABLE));
    EXPECT_EQ(button.name(), "Show");

    // The tick list: Wine's standard object has no list items, so the
    // control's own answers are all there is of them there.
    win::CheckListBox list;
    ASSERT_TRUE(list.create(host.hwnd(), 3, 10, 40, 200, 80));
    list.setLabel("Servers:");
    list.add("HLDS - one", true);
    list.add("HLDS - two", false);
    list.setCurrent(0);
    const ScreenReader servers(list.hwnd());
    EXPECT_EQ(servers.nameResult(3), E_INVALIDARG);
    if (!wine) {
        EXPECT_TRUE(servers.has(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, 1));
    }
    {
        // Told, so that a screen reader says the new state of the entry at hand.
        const StateChanges changes;
        list.setTicked(0, false);
        list.setTicked(1, true);
        EXPECT_EQ(changes.of(list.hwnd()), (std::vector<LONG>{1, 2}));
    }
    EXPECT_FALSE(servers.has(STATE_SYSTEM_CHECKED, 1));
    EXPECT_TRUE(servers.has(STATE_SYSTEM_CHECKED, 2));
    list.setText(1, "HLDS - renamed");
    EXPECT_EQ(servers.name(2), "HLDS - renamed");

    // A field and a selector: the inner control keeps its standard role and
    // value (Wine's standard combo box object is a plain client area with no value).
    win::TextField port;
    ASSERT_TRUE(port.create(host.hwnd(), 4, 220, 40, 100));
    port.setLabel("Port:");
    port.setText("27015");
    win::GameCombo game;
    ASSERT_TRUE(game.create(host.hwnd(), 5, 220, 80));
    game.setLabel("Game:");
    game.add("valve");
    game.add("cstrike");
    game.setCurrent(1);
    const ScreenReader portField(port.field());
    EXPECT_EQ(portField.role(), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(portField.value(), "27015");
    if (!wine) {
        EXPECT_EQ(ScreenReader(game.combo()).value(), "cstrike");
    }
    port.setEnabled(false);
    EXPECT_TRUE(portField.has(STATE_SYSTEM_UNAVAILABLE));

    // Unlabelled, a field says what the standard object says: no name.
    win::TextField unnamed;
    ASSERT_TRUE(unnamed.create(host.hwnd(), 6, 220, 120, 100));
    EXPECT_EQ(ScreenReader(unnamed.field()).name(), "");
}
