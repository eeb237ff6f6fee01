#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "TestHost.h"
#include "ui/Dpi.h"
#include "ui/Look.h"
#include "ui/MessageLoop.h"
#include "ui/TextField.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

RECT RectIn(HWND hwnd, HWND parent) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

std::string ToolTipText(const win::TextField& field) {
    char text[256] = "(untouched)";
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = field.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(field.field());
    tool.lpszText = text;
    SendMessageA(field.toolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// Holds modifier keys down in this thread's keyboard state for one scope.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

}  // namespace

class TextFieldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(field.create(host.hwnd(), 101, 10, 10, 200)); }

    void Type(const std::string& text) {
        for (char c : text)
            SendMessageA(field.field(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    TestHost host;
    win::TextField field;
};

TEST_F(TextFieldTest, KeyPressCanSwallowOrReplaceATypedCharacter) {
    int changes = 0;
    field.onChange = [&] { ++changes; };
    field.onKeyPress = [](int& ch) {
        if (ch == 'x')
            ch = 0;
        else if (ch == 'a')
            ch = 'b';
    };
    Type("xaxy");
    EXPECT_EQ(field.text(), "by");
    EXPECT_EQ(changes, 2) << "a swallowed character changes nothing";
    field.setText("de_dust");
    EXPECT_EQ(changes, 3);
}

TEST_F(TextFieldTest, KeyDownAndKeyUpSeeTheKeyAndTheShiftState) {
    field.setText("abc");
    std::vector<std::pair<int, int>> downs, ups;
    field.onKeyDown = [&](int& key, int& shift) {
        downs.emplace_back(key, shift);
        if (key == VK_DELETE)
            key = 0;
    };
    field.onKeyUp = [&](int& key, int& shift) { ups.emplace_back(key, shift); };

    field.setSelStart(0);
    SendMessageA(field.field(), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(field.text(), "abc") << "a swallowed key never reaches the field";
    {
        HeldKeys held{VK_SHIFT, VK_CONTROL};
        SendMessageA(field.field(), WM_KEYDOWN, VK_END, 1);
        SendMessageA(field.field(), WM_KEYUP, VK_END, 1);
    }
    EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{VK_DELETE, 0}, {VK_END, 3}}));
    EXPECT_EQ(ups, (std::vector<std::pair<int, int>>{{VK_END, 3}}));
    EXPECT_EQ(field.selText(), "abc") << "Shift+Ctrl+End reached the field";
}

TEST_F(TextFieldTest, GettingTheFocusSelectsTheWholeText) {
    win::TextField sibling;
    ASSERT_TRUE(sibling.create(host.hwnd(), 102, 10, 60, 200));
    field.setText("valve");

    SetFocus(sibling.field());
    field.setSelStart(2);
    SetFocus(field.field());
    EXPECT_EQ(Selection(field.field()), (std::pair<DWORD, DWORD>{0, 5}));

    // Focus given to the frame goes on to the field.
    SetFocus(sibling.field());
    field.setSelStart(3);
    SetFocus(field.hwnd());
    EXPECT_EQ(GetFocus(), field.field());
    EXPECT_EQ(Selection(field.field()), (std::pair<DWORD, DWORD>{0, 5}));

    // Tabbing in from a sibling, as the message loop handles the key.
    field.setSelStart(1);
    SetFocus(sibling.field());
    MSG tab{sibling.field(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(win::PreTranslate(tab));
    PumpMessages();
    EXPECT_EQ(GetFocus(), field.field());
    EXPECT_EQ(Selection(field.field()), (std::pair<DWORD, DWORD>{0, 5}));
}

TEST_F(TextFieldTest, KeepsItsHeightAndFramesTheField) {
    const HWND hwnd = field.hwnd();
    const auto check = [&](int width) {
        RECT frame{}, inner = RectIn(field.field(), hwnd);
        GetWindowRect(hwnd, &frame);
        EXPECT_EQ(frame.right - frame.left, width);
        EXPECT_EQ(frame.bottom - frame.top, win::Px(hwnd, layout::TextFieldHeight));
        EXPECT_EQ(inner.right - inner.left, width - win::Px(hwnd, layout::TextFieldWidthShrink));
        EXPECT_EQ(inner.bottom - inner.top, win::Px(hwnd, layout::TextFieldInnerHeight));
        EXPECT_EQ(inner.left, win::Px(hwnd, layout::TextFieldInset));
        EXPECT_EQ(inner.top, win::Px(hwnd, layout::TextFieldInset));
    };
    check(200);
    field.move(5, 7, 300, 100);
    check(300);
    EXPECT_EQ(RectIn(hwnd, host.hwnd()).left, 5);
    // Even a host that moves the window itself cannot change the height.
    MoveWindow(hwnd, 0, 0, 150, 3, TRUE);
    check(150);
}

TEST_F(TextFieldTest, ToolTipShowsTheCurrentTextOnEveryMouseMove) {
    field.setToolTipText("Server name");
    EXPECT_EQ(ToolTipText(field), "Server name");
    field.setText("My server");
    SendMessageA(field.field(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(ToolTipText(field), "My server");
    EXPECT_EQ(field.toolTipText(), "My server");
    field.setText("");
    SendMessageA(field.field(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(ToolTipText(field), "");
    EXPECT_EQ(field.toolTipText(), "");
}

TEST_F(TextFieldTest, LockedOrDisabledFieldTakesNoTypingAndKeepsItsColours) {
    field.setText("27015");
    field.setLocked(true);
    EXPECT_TRUE(field.locked());
    Type("9");
    EXPECT_EQ(field.text(), "27015");
    field.setLocked(false);
    field.setEnabled(false);
    EXPECT_FALSE(field.enabled());
    EXPECT_FALSE(IsWindowEnabled(field.field()));
    Type("9");
    EXPECT_EQ(field.text(), "27015");
    field.setEnabled(true);
    field.setSelStart(5);
    Type("9");
    EXPECT_EQ(field.text(), "270159");

    // Read-only and disabled fields ask with WM_CTLCOLORSTATIC, editable ones
    // with WM_CTLCOLOREDIT: both are orange on black.
    HDC dc = CreateCompatibleDC(nullptr);
    for (UINT msg : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC}) {
        SetTextColor(dc, RGB(1, 2, 3));
        const LRESULT brush = SendMessageA(field.hwnd(), msg, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(field.field()));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), win::SolidBrush(colour::Black)) << msg;
        EXPECT_EQ(GetTextColor(dc), colour::Orange) << msg;
        EXPECT_EQ(GetBkColor(dc), colour::Black) << msg;
    }
    DeleteDC(dc);
}

TEST_F(TextFieldTest, SelectionAndMaximumLength) {
    field.setText("cstrike dmc");
    field.setSelStart(8);
    EXPECT_EQ(field.selLength(), 0);
    field.setSelLength(3);
    EXPECT_EQ(field.selStart(), 8);
    EXPECT_EQ(field.selText(), "dmc");
    field.setSelText("valve");
    EXPECT_EQ(field.text(), "cstrike valve");
    EXPECT_EQ(field.selStart(), 13);

    field.setText("");
    field.setMaxLength(4);
    Type("270155");
    EXPECT_EQ(field.text(), "2701");
    field.setMaxLength(0);
    Type("5");
    EXPECT_EQ(field.text(), "27015");

    field.setPasswordChar("*");
    EXPECT_EQ(field.text(), "27015") << "the password character only hides the text";
}
