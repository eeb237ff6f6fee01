// The window kit's controls on a test host, as the program's windows hold
// them: what each control itself decides beyond the system's own.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>
#include <shellapi.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ScreenReader.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "win/ui/CheckListBox.h"
#include "win/ui/FlatButton.h"
#include "win/ui/GameCombo.h"
#include "win/ui/MessageLoop.h"
#include "win/ui/SystemControl.h"
#include "win/ui/TextField.h"
#include "win/ui/TrayIcon.h"

using namespace vantry;
using namespace vantry::testutil;
using win::FlatButton;
using win::FlatButtonArgs;
using win::TrayIcon;

using Events = std::vector<std::string>;

namespace {

// A text field and a game selector on a test host, and what the controls on
// it raise, in order.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(field.create(host.hwnd(), 101, 10, 240, 200));
        ASSERT_TRUE(games.create(host.hwnd(), 201, 220, 240));
        for (const char* game : {"valve", "cstrike", "dmc"})
            games.add(game);
        games.onDropDown = [this] { events.push_back("DropDown"); };
        games.onClick = [this] { events.push_back("Click " + games.text()); };
    }
    // A caption button (a picture one without a caption) on the host; its
    // events are recorded in order, named by the caption's mnemonic.
    void make(FlatButton& button, int id, const std::string& caption, bool enabled = true) {
        FlatButtonArgs args{.id = id, .caption = caption, .rect = {10, 40 * id, 113, 25}, .enabled = enabled};
        if (caption.empty())
            args = {.id = id, .rect = {200, 10, 40, 30}, .picture = "EX1", .pictureOver = "EX2"};
        ASSERT_TRUE(button.create(host.hwnd(), args));
        const std::string name = caption.empty() ? "x" : caption.substr(1, 1);
        button.onPress = [this, name] { events.push_back(name + " press"); };
        button.onClick = [this, name] { events.push_back(name + " click"); };
    }
    void postKey(HWND to, UINT msg, WPARAM key, LPARAM flags) {
        PostMessageA(to, msg, key, 1 | flags);
        PumpMessages();
    }
    void mouse(const FlatButton& button, UINT msg) { SendMessageA(button.hwnd(), msg, 0, MAKELPARAM(5, 5)); }

    TestHost host;
    win::TextField field;
    win::GameCombo games;
    Events events;
};

// The state changes a screen reader hears, each as the window and the child
// of its client area whose state changed.
std::vector<std::pair<HWND, LONG>> stateChanges;

void CALLBACK StateChanged(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT)
        stateChanges.emplace_back(hwnd, child);
}

bool AskShell(DWORD action, HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = TrayIcon::IconId;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "probe");
    return Shell_NotifyIconA(action, &data) != FALSE;
}

// Asks the shell itself whether it holds the icon: only a present icon can be
// modified.
bool InNotificationArea(HWND owner) { return AskShell(NIM_MODIFY, owner); }

// Records, in the last moment the icon's window exists, whether the shell
// still holds the icon: once the window is gone, a leftover icon can no longer
// be asked about, yet on Windows it stays until the pointer passes over it.
LRESULT CALLBACK CheckAtDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR leftOver) {
    if (msg == WM_DESTROY)
        *reinterpret_cast<int*>(leftOver) = InNotificationArea(hwnd) ? 1 : 0;
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, CheckAtDestroy, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

// Its key filter is told end to end: the launcher's port field
// (EndToEnd.TheLauncherAlone...) takes digits only.
TEST_F(ControlsTest, ATextFieldTipsItsTextAndSelectsItAllOnFocus) {
    // Its tooltip shows the current text on every mouse move.
    field.setText("My server");
    SendMessageA(field.field(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(TipText(field.toolTip(), field.hwnd(), field.field()), "My server");

    // The focus, by Tab or given, goes on to the field and selects the whole text.
    win::TextField sibling;
    ASSERT_TRUE(sibling.create(host.hwnd(), 102, 10, 60, 200));
    field.setText("valve");
    for (const bool byTab : {false, true}) {
        SetFocus(sibling.field());
        SendMessageA(field.field(), EM_SETSEL, 3, 3);
        MSG tab{sibling.field(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
        if (byTab)
            win::PreTranslate(tab);  // as the message loop handles the key
        else
            SetFocus(field.hwnd());
        PumpMessages();
        EXPECT_EQ(GetFocus(), field.field());
        EXPECT_EQ(SendMessageA(field.field(), EM_GETSEL, 0, 0), MAKELRESULT(0, 5));
    }
}



TEST_F(ControlsTest, EveryGameComboListIndexWriteAndEveryPickClicksAndTheTextFollows) {
    games.setCurrent(2);
    games.setCurrent(2);
    games.setCurrent(-1);
    EXPECT_EQ(events, (Events{"Click dmc", "Click dmc", "Click "}));

    // By the mouse: the list drops down first.
    events.clear();
    SendMessageA(games.combo(), CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(games.combo(), &info));
    RECT item{};
    SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM centre = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(info.hwndList, WM_MOUSEMOVE, 0, centre);
    SendMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageA(info.hwndList, WM_LBUTTONUP, 0, centre);
    EXPECT_TRUE(WaitFor([&] {
        PumpMessages();
        return !SendMessageA(games.combo(), CB_GETDROPPEDSTATE, 0, 0);
    }));
    EXPECT_EQ(events, (Events{"DropDown", "Click cstrike"}));
}

TEST_F(ControlsTest, MouseSpaceAndMnemonicEachPressAFlatButtonPressThenClickOnceAndNeverWhileDisabled) {
    FlatButton start, other, disabled, picture;
    make(start, 1, "&Start Server");
    make(other, 2, "&Other");
    make(disabled, 3, "&Disabled", false);
    make(picture, 9, "");
    const Events once{"S press", "S click"};

    // Two quick clicks are two clicks, not one click and a double click.
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        mouse(start, msg);
    EXPECT_EQ(events, (Events{"S press", "S click", "S press", "S click"}));

    // Space held down presses once, however long it auto-repeats.
    events.clear();
    SetFocus(start.hwnd());
    for (LPARAM repeat : {0, 1 << 30, 1 << 30})
        postKey(start.hwnd(), WM_KEYDOWN, VK_SPACE, repeat);
    EXPECT_EQ(events, Events{"S press"});
    postKey(start.hwnd(), WM_KEYUP, VK_SPACE, (1 << 30) | (1u << 31));
    EXPECT_EQ(events, once);

    // A mnemonic presses as the mouse does: Keyboard.MainWindow... opens
    // windows with them end to end.
    // Disabled: neither the mouse nor the mnemonic; nor a click still queued
    // when the button was disabled under the pointer, which shows its resting
    // picture at once.
    events.clear();
    mouse(disabled, WM_LBUTTONDOWN);
    mouse(disabled, WM_LBUTTONUP);
    postKey(other.hwnd(), WM_SYSCHAR, 'd', 1 << 29);
    mouse(picture, WM_MOUSEMOVE);
    PostMessageA(host.hwnd(), WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), reinterpret_cast<LPARAM>(picture.hwnd()));
    picture.setEnabled(false);
    PumpMessages();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(picture.shownPicture(), "EX1");
}

// Each kind of the program's own controls through oleacc, as a screen reader
// reads it: the standard object's answers, with the control's own over them.
// What each window's controls are named, their roles and ticks, a screen
// reader in another process hears end to end (EndToEnd.AScreenReader...);
// here, what changes: the same object is read again after each change, as a
// screen reader that keeps it would.
TEST_F(ControlsTest, EachKindOfControlTellsAScreenReaderItsNameRoleAndState) {
    const bool wine = UnderWine();

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
    EXPECT_EQ(servers.name(3), "") << "no third entry";
    if (!wine) {
        EXPECT_TRUE(servers.has(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, 1));
    }
    {
        // Told, so that a screen reader says the new state of the entry at hand.
        const std::unique_ptr<std::remove_pointer_t<HWINEVENTHOOK>, decltype(&UnhookWinEvent)> hook(
            SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr, StateChanged,
                            GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT),
            UnhookWinEvent);
        list.setTicked(0, false);
        list.setTicked(1, true);
        PumpMessages();  // out of context: delivered through this thread's queue
        std::erase_if(stateChanges, [&](const auto& change) { return change.first != list.hwnd(); });
        EXPECT_EQ(stateChanges, (std::vector<std::pair<HWND, LONG>>{{list.hwnd(), 1}, {list.hwnd(), 2}}));
    }
    EXPECT_FALSE(servers.has(STATE_SYSTEM_CHECKED, 1));
    EXPECT_TRUE(servers.has(STATE_SYSTEM_CHECKED, 2));
    list.setText(1, "HLDS - renamed");
    EXPECT_EQ(servers.name(2), "HLDS - renamed");

    // A field and a selector: the inner control keeps its standard role and
    // value (Wine's standard combo box object is a plain client area with no
    // value). Unlabelled, a field says what the standard object says: no name.
    const ScreenReader port(field.field());
    EXPECT_EQ(port.name(), "");
    field.setLabel("Port:");
    field.setText("27015");
    games.setCurrent(1);
    EXPECT_EQ(port.role(), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(port.value(), "27015");
    if (!wine) {
        EXPECT_EQ(ScreenReader(games.combo()).value(), "cstrike");
    }
    field.setEnabled(false);
    EXPECT_TRUE(port.has(STATE_SYSTEM_UNAVAILABLE));
}

using Texts = std::vector<std::string>;

// A sorted list box filled at once shows its rows in the order it gives them
// added one by one, which is its locale's collation and not byte order; rows
// that compare equal keep the order its own search gives them.
TEST_F(ControlsTest, ASortedListBoxFilledAtOnceShowsTheOrderOfRowsAddedOneByOne) {
    const std::vector<Texts> cases = {
        {"de_dust2", "de-dust", "dedust", "de_dust", "De_Aztec", "_test", "-test", "test", "zz"},
        {"cs_office", "CS_Italy", "cs_assault", "2fort", "10x10", "1on1", "9", "a1", "a10", "a2", "A01"},
        {"\xC3\xA9t\xC3\xA9", "ete", "\xC3\x89TE", "zebra", "\xC3\x84rger", "arger", "stra\xC3\x9F" "e",
         "strasse", "\xD0\xBC\xD0\xB8\xD1\x80", "\xE5\x9C\xB0\xE5\x9B\xBE", "Mir"},
        {"de_dust", "DE_DUST", "De_Dust", "crossfire", "de_dust", "", " ", "", "CROSSFIRE", "de_Dust"},
    };
    for (const Texts& texts : cases) {
        win::ListBox oneByOne, atOnce;
        ASSERT_TRUE(oneByOne.create(host.hwnd(), 401, {0, 0, 100, 100}, true));
        ASSERT_TRUE(atOnce.create(host.hwnd(), 402, {0, 0, 100, 100}, true));
        for (const auto& text : texts)
            oneByOne.add(text);
        atOnce.add("stale");
        atOnce.fill(texts);
        const auto rows = [](const win::ListBox& list) {
            Texts shown;
            for (int row = 0; row < list.count(); ++row)
                shown.push_back(list.text(row));
            return shown;
        };
        EXPECT_EQ(rows(atOnce), rows(oneByOne)) << texts.front();
    }
}

TEST(TrayIcon, OneUserActionRaisesOneEventAndABalloonComesFromTheShownIconOnly) {
    TrayIcon tray;
    int activated = 0, menus = 0;
    HWND foregroundAtMenu = nullptr;
    tray.onActivate = [&] { ++activated; };
    tray.onMenuRequest = [&] {
        ++menus;
        foregroundAtMenu = GetForegroundWindow();
    };
    // The events each action raises, reported as the shell reports it.
    const auto raised = [&](std::initializer_list<UINT> reports) {
        activated = menus = 0;
        for (UINT report : reports)
            SendMessageA(tray.messageWindow(), TrayIcon::CallbackMessage, TrayIcon::IconId, report);
        return std::pair{activated, menus};
    };
    // A click: the button messages, then the summary.
    EXPECT_EQ(raised({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, NIN_SELECT}), std::pair(1, 0));
    EXPECT_EQ(raised({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}), std::pair(0, 1));
    // Enter or Space on the icon.
    EXPECT_EQ(raised({NIN_KEYSELECT}), std::pair(1, 0));
    // So that the host's popup menu closes when the user clicks elsewhere.
    EXPECT_EQ(foregroundAtMenu, tray.messageWindow());

    // A balloon comes from the shown icon only.
    EXPECT_FALSE(tray.showBalloon("Server", "It ended.", TrayIcon::BalloonIcon::Warning));
    tray.setShown(true);
    // Each text one unit too long, its last character outside the basic plane.
    const std::string smile = "\xF0\x9F\x98\x80";
    EXPECT_TRUE(tray.showBalloon(std::string(62, 't') + smile, std::string(254, 'x') + smile,
                                 TrayIcon::BalloonIcon::Error));
}

TEST(TrayIcon, ARestartedTaskbarGetsTheShownIconBackAndNoIconIsLeftBehind) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    TrayIcon shown, hidden;
    shown.setShown(true);
    AskShell(NIM_DELETE, shown.messageWindow());  // what a restarted taskbar does: forgets it
    ASSERT_FALSE(InNotificationArea(shown.messageWindow()));

    SendMessageA(shown.messageWindow(), taskbarCreated, 0, 0);
    SendMessageA(hidden.messageWindow(), taskbarCreated, 0, 0);
    EXPECT_TRUE(InNotificationArea(shown.messageWindow()));
    EXPECT_FALSE(InNotificationArea(hidden.messageWindow()));

    // Neither the destructor nor RemoveAll leaves an icon behind.
    auto first = std::make_unique<TrayIcon>();
    TrayIcon second;
    first->setShown(true);
    second.setShown(true);
    int leftOver = -1;
    SetWindowSubclass(first->messageWindow(), CheckAtDestroy, 0, reinterpret_cast<DWORD_PTR>(&leftOver));

    first.reset();
    EXPECT_EQ(leftOver, 0);
    EXPECT_TRUE(InNotificationArea(second.messageWindow()));

    TrayIcon::removeAll();
    EXPECT_FALSE(InNotificationArea(second.messageWindow()));
    EXPECT_FALSE(InNotificationArea(shown.messageWindow()));
}
