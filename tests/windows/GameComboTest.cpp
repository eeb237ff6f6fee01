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
            games.add(game);
        games.onDropDown = [this] { events.push_back("DropDown"); };
        games.onClick = [this] { events.push_back("Click " + games.text()); };
    }

    TestHost host;
    win::GameCombo games;
    Events events;
};

TEST_F(GameComboTest, EveryListIndexWriteAndEveryPickClicksAndTheTextFollows) {
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

TEST_F(GameComboTest, KeepsItsSizeWhateverTheHostAsks) {
    MoveWindow(games.hwnd(), 20, 30, 500, 100, TRUE);
    const GameComboLayout expected = GameComboPixels(win::WindowDpi(games.hwnd()));
    RECT frame{}, list{};
    GetWindowRect(games.hwnd(), &frame);
    GetWindowRect(games.combo(), &list);
    EXPECT_EQ(frame.right - frame.left, expected.width);
    EXPECT_EQ(frame.bottom - frame.top, expected.height);
    EXPECT_EQ(list.right - list.left, expected.list.width);
    EXPECT_EQ(list.bottom - list.top, expected.list.height);
}
