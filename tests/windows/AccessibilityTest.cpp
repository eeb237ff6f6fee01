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
// The same object is read again after each change, as a screen reader that
// keeps it would.
TEST(AccessibilityTest, EachKindOfControlTellsItsNameRoleAndState) {
    const bool wine = UnderWine();
    TestHost host;

    // Buttons: named by the caption without its mnemonic marker, read anew
    // after each change; unavailable while disabled. (A picture button, by the
    // caption it does not draw: the options window's Next Icon, end to end.)
    win::FlatButton start;
    ASSERT_TRUE(start.create(host.hwnd(), {.id = 1, .caption = "&Start Server", .rect = {10, 10, 100, 25}}));
    const ScreenReader button(start.hwnd());
    ASSERT_TRUE(button);
    EXPECT_EQ(button.window(), start.hwnd());
    EXPECT_EQ(button.name(), "Start Server");
    EXPECT_EQ(button.role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_FALSE(button.has(STATE_SYSTEM_UNAVAILABLE));
    start.setEnabled(false);
    start.setCaption("S&how");
    EXPECT_TRUE(button.has(STATE_SYSTEM_UNAVAILABLE));
    EXPECT_EQ(button.name(), "Show");

    // The tick list: named by its label; each entry a check box named by its
    // title, checked while ticked. Wine's standard object has no list items:
    // there it neither counts nor enumerates them, and gives none of their
    // selection states; the control's own answers hold on both.
    win::CheckListBox list;
    ASSERT_TRUE(list.create(host.hwnd(), 3, 10, 40, 200, 80));
    list.setLabel("Servers:");
    list.add("HLDS - one", true);
    list.add("HLDS - two", false);
    list.setCurrent(0);
    const ScreenReader servers(list.hwnd());
    EXPECT_EQ(servers.name(), "Servers:");
    EXPECT_EQ(servers.role(), wine ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_LIST);
    EXPECT_EQ(servers.childCount(), wine ? 0 : 2);
    EXPECT_EQ(servers.name(1), "HLDS - one");
    EXPECT_EQ(servers.name(2), "HLDS - two");
    EXPECT_EQ(servers.nameResult(3), E_INVALIDARG);
    for (LONG item : {1, 2})
        EXPECT_EQ(servers.role(item), ROLE_SYSTEM_CHECKBUTTON) << item;
    EXPECT_TRUE(servers.has(STATE_SYSTEM_CHECKED, 1));
    EXPECT_FALSE(servers.has(STATE_SYSTEM_CHECKED, 2));
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

    // A field and a selector (both named by the label, frame and inner control
    // alike, in every window end to end): the inner control keeps its standard
    // role and value (Wine's standard combo box object is a plain client area
    // with no value).
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
    const ScreenReader portFrame(port.hwnd()), portField(port.field());
    const ScreenReader gameList(game.combo());
    EXPECT_EQ(portFrame.role(), ROLE_SYSTEM_CLIENT);
    EXPECT_EQ(portField.role(), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(portField.value(), "27015");
    EXPECT_EQ(portField.window(), port.field());
    EXPECT_EQ(gameList.role(), wine ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_COMBOBOX);
    if (!wine) {
        EXPECT_EQ(gameList.value(), "cstrike");
    }
    port.setEnabled(false);
    EXPECT_TRUE(portField.has(STATE_SYSTEM_UNAVAILABLE));

    // Unlabelled, a field says what the standard object says: no name.
    win::TextField unnamed;
    ASSERT_TRUE(unnamed.create(host.hwnd(), 6, 220, 120, 100));
    EXPECT_EQ(ScreenReader(unnamed.field()).name(), "");
}
