#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TestHost.h"
#include "UiDriver.h"
#include "core/ui/ControlLayout.h"
#include "win/ui/Dpi.h"
#include "win/ui/GameCombo.h"

using namespace vantry;
using namespace vantry::testutil;
using Events = std::vector<std::string>;

class GameComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(games.create(host.hwnd(), 201, 10, 50));
        for (const char* game : {"valve", "cstrike", "dmc"})
            games.addItem(game);
        games.onDropDown = [this] { events.push_back("DropDown"); };
        games.onClick = [this] { events.push_back("Click " + games.text()); };
        games.onKeyDown = [this](int& key, int&) {
            events.push_back("KeyDown");
            if (key == swallowedKey)
                key = 0;
        };
        games.onKeyUp = [this](int&, int&) { events.push_back("KeyUp"); };
    }

    void Key(UINT msg, int key) { SendMessageA(games.combo(), msg, static_cast<WPARAM>(key), 1); }

    TestHost host{"Game list host", 400, 300};
    win::GameCombo games;
    Events events;
    int swallowedKey = -1;
};

TEST_F(GameComboTest, KeyboardSelectionClicksBetweenKeyDownAndKeyUp) {
    games.setListIndex(0);
    events.clear();
    SetFocus(games.combo());
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYUP, VK_DOWN);
    EXPECT_EQ(events, (Events{"KeyDown", "Click cstrike", "KeyUp"}));

    events.clear();
    swallowedKey = VK_DOWN;
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(events, Events{"KeyDown"});
    EXPECT_EQ(games.listIndex(), 1);
}

TEST_F(GameComboTest, MouseSelectionDropsDownThenClicks) {
    SendMessageA(games.combo(), CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(games.combo(), &info));
    ASSERT_TRUE(IsWindowVisible(info.hwndList));
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

TEST_F(GameComboTest, EveryListIndexWriteClicksAndTextFollows) {
    EXPECT_EQ(games.text(), "");
    games.setListIndex(2);
    games.setListIndex(2);
    games.setListIndex(-1);
    EXPECT_EQ(events, (Events{"Click dmc", "Click dmc", "Click "}));
    EXPECT_EQ(games.text(), "");
}

TEST_F(GameComboTest, KeepsItsSizeWhateverTheHostAsks) {
    MoveWindow(games.hwnd(), 20, 30, 500, 100, TRUE);
    const GameComboLayout expected = GameComboPixels(win::WindowDpi(games.hwnd()));
    RECT rect{};
    GetWindowRect(games.hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, expected.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.height);
    GetWindowRect(games.combo(), &rect);
    EXPECT_EQ(rect.right - rect.left, expected.list.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.list.height);
}
