#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestHost.h"
#include "UiDriver.h"
#include "ui/ControlLayout.h"
#include "ui/Dpi.h"
#include "ui/GameCombo.h"
#include "ui/Look.h"

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

    // The colour of the top left pixel of an item drawn as the list would ask.
    COLORREF DrawnBackground(int item, UINT state) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 20);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        DRAWITEMSTRUCT draw{ODT_COMBOBOX, 201, static_cast<UINT>(item), ODA_DRAWENTIRE, state,
                            games.combo(), dc, {0, 0, 100, 20}, 0};
        SendMessageA(games.hwnd(), WM_DRAWITEM, 201, reinterpret_cast<LPARAM>(&draw));
        const COLORREF pixel = GetPixel(dc, 1, 1);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return pixel;
    }

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

TEST_F(GameComboTest, KeyPressCanReplaceTheCharacterThatPicksAnEntry) {
    games.onKeyPress = [this](int& ch) {
        events.push_back(std::string("KeyPress ") + static_cast<char>(ch));
        if (ch == 'x')
            ch = 0;
        else if (ch == 'q')
            ch = 'd';
    };
    SetFocus(games.combo());
    Key(WM_CHAR, 'x');
    Key(WM_CHAR, 'q');
    EXPECT_EQ(events, (Events{"KeyPress x", "KeyPress q", "Click dmc"}));
    EXPECT_EQ(games.text(), "dmc");
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
    EXPECT_EQ(games.listIndex(), 1);
}

TEST_F(GameComboTest, EveryListIndexWriteClicksAndTextFollows) {
    EXPECT_EQ(games.listIndex(), -1);
    EXPECT_EQ(games.text(), "");
    games.setListIndex(2);
    games.setListIndex(2);
    games.setListIndex(-1);
    EXPECT_EQ(events, (Events{"Click dmc", "Click dmc", "Click "}));
    EXPECT_EQ(games.text(), "");
}

TEST_F(GameComboTest, EntriesKeepTheirOrderAndPositions) {
    EXPECT_FALSE(games.sorted());
    games.addItem("tfc", 1);
    games.addItem("ag");
    EXPECT_EQ(games.listCount(), 5);
    EXPECT_EQ(games.list(0), "valve");
    EXPECT_EQ(games.list(1), "tfc");
    EXPECT_EQ(games.list(4), "ag");
    EXPECT_EQ(games.list(5), "");

    games.setListIndex(2);
    games.setList(2, "czero");
    EXPECT_EQ(games.listIndex(), 2) << "renaming the selected entry keeps it selected";
    EXPECT_EQ(games.text(), "czero");
    games.removeItem(0);
    EXPECT_EQ(games.list(0), "tfc");
    EXPECT_EQ(games.listCount(), 4);
    games.removeItem(games.listIndex());
    EXPECT_EQ(games.listIndex(), -1);
    EXPECT_EQ(games.text(), "");
    EXPECT_EQ(events, (Events{"Click cstrike"})) << "only setListIndex clicked";

    games.clear();
    EXPECT_EQ(games.listCount(), 0);
    EXPECT_EQ(games.text(), "");
}

TEST_F(GameComboTest, DisabledListIgnoresKeys) {
    games.setListIndex(0);
    events.clear();
    games.setEnabled(false);
    EXPECT_FALSE(games.enabled());
    EXPECT_FALSE(IsWindowEnabled(games.combo()));
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_CHAR, 'd');
    Key(WM_KEYUP, VK_DOWN);
    EXPECT_EQ(events, Events{});
    EXPECT_EQ(games.listIndex(), 0);
    games.setEnabled(true);
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(games.listIndex(), 1);
}

TEST_F(GameComboTest, KeepsItsSizeWithTheFrameStripsAboveTheList) {
    MoveWindow(games.hwnd(), 20, 30, 500, 100, TRUE);
    RECT rect{};
    GetWindowRect(games.hwnd(), &rect);
    const GameComboLayout expected = GameComboPixels(win::WindowDpi(games.hwnd()));
    EXPECT_EQ(rect.right - rect.left, expected.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.height);
    GetWindowRect(games.combo(), &rect);
    EXPECT_EQ(rect.right - rect.left, expected.list.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.list.height);

    // The strips come first in z-order, the list last, so they stay painted on it.
    int strips = 0;
    HWND child = GetWindow(games.hwnd(), GW_CHILD);
    for (; child && child != games.combo(); child = GetWindow(child, GW_HWNDNEXT)) {
        RECT strip{};
        GetWindowRect(child, &strip);
        MapWindowPoints(nullptr, games.hwnd(), reinterpret_cast<POINT*>(&strip), 2);
        const Box box{strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top};
        EXPECT_NE(std::find(expected.strips.begin(), expected.strips.end(), box), expected.strips.end())
            << box.x << "," << box.y << " " << box.width << "x" << box.height;
        ++strips;
    }
    EXPECT_EQ(strips, 4);
    EXPECT_EQ(child, games.combo());
}

TEST_F(GameComboTest, SelectedRowIsHighlightedInTheForeColour) {
    EXPECT_EQ(DrawnBackground(1, 0), colour::Black);
    EXPECT_EQ(DrawnBackground(1, ODS_SELECTED), colour::Orange);
    EXPECT_EQ(DrawnBackground(1, ODS_SELECTED | ODS_DISABLED), colour::Black);
    EXPECT_EQ(DrawnBackground(-1, ODS_COMBOBOXEDIT), colour::Black);
    games.setForeColor(RGB(0, 200, 0));
    EXPECT_EQ(DrawnBackground(0, ODS_SELECTED | ODS_COMBOBOXEDIT), RGB(0, 200, 0));
}
