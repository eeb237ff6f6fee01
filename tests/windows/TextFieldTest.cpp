#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "TestHost.h"
#include "core/ui/Sizes.h"
#include "win/ui/Dpi.h"
#include "win/ui/MessageLoop.h"
#include "win/ui/TextField.h"

using namespace vantry;
using namespace vantry::testutil;

class TextFieldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(field.create(host.hwnd(), 101, 10, 10, 200)); }
    void type(const std::string& text) {
        for (char c : text)
            SendMessageA(field.field(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    TestHost host;
    win::TextField field;
};

TEST_F(TextFieldTest, KeyPressSwallowsOrReplacesACharacterAndADisabledFieldTakesNone) {
    int changes = 0;
    field.onChange = [&] { ++changes; };
    field.onKeyPress = [](int& ch) { ch = ch == 'x' ? 0 : ch == 'a' ? 'b' : ch; };
    type("xaxy");
    EXPECT_EQ(field.text(), "by");
    EXPECT_EQ(changes, 2) << "a swallowed character changes nothing";

    field.setEnabled(false);
    field.onKeyPress = [&](int&) { ++changes; };
    type("9");
    EXPECT_EQ(field.text(), "by");
    EXPECT_EQ(changes, 2) << "a disabled field raises no key events";
}

TEST_F(TextFieldTest, TheFocusGoesOnToTheFieldAndSelectsTheWholeText) {
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

TEST_F(TextFieldTest, KeepsItsHeightWhateverTheHostAsksAndFramesTheField) {
    const HWND hwnd = field.hwnd();
    const auto check = [&](int width) {
        RECT frame{}, inner{};
        GetWindowRect(hwnd, &frame);
        GetWindowRect(field.field(), &inner);
        EXPECT_EQ(frame.right - frame.left, width);
        EXPECT_EQ(frame.bottom - frame.top, win::Px(hwnd, layout::TextFieldHeight));
        EXPECT_EQ(inner.right - inner.left, width - win::Px(hwnd, layout::TextFieldWidthShrink));
    };
    field.move(5, 7, 300, 100);
    check(300);
    MoveWindow(hwnd, 0, 0, 150, 3, TRUE);
    check(150);
}

TEST_F(TextFieldTest, ToolTipShowsTheCurrentTextOnEveryMouseMove) {
    field.setText("My server");
    SendMessageA(field.field(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    char text[256] = "(untouched)";
    TTTOOLINFOA tool{sizeof tool, 0, field.hwnd(), reinterpret_cast<UINT_PTR>(field.field()), {}, nullptr, text};
    SendMessageA(field.toolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "My server");
}
