#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

#include "TestHost.h"
#include "win/ui/Dpi.h"
#include "core/ui/Look.h"
#include "win/ui/MessageLoop.h"
#include "win/ui/TextField.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

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
}

TEST_F(TextFieldTest, GettingTheFocusSelectsTheWholeText) {
    win::TextField sibling;
    ASSERT_TRUE(sibling.create(host.hwnd(), 102, 10, 60, 200));
    field.setText("valve");

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
        RECT frame{}, inner{};
        GetWindowRect(hwnd, &frame);
        GetWindowRect(field.field(), &inner);
        EXPECT_EQ(frame.right - frame.left, width);
        EXPECT_EQ(frame.bottom - frame.top, win::Px(hwnd, layout::TextFieldHeight));
        EXPECT_EQ(inner.right - inner.left, width - win::Px(hwnd, layout::TextFieldWidthShrink));
    };
    check(200);
    field.move(5, 7, 300, 100);
    check(300);
    // Even a host that moves the window itself cannot change the height.
    MoveWindow(hwnd, 0, 0, 150, 3, TRUE);
    check(150);
}

TEST_F(TextFieldTest, ToolTipShowsTheCurrentTextOnEveryMouseMove) {
    field.setToolTipText("Server name");
    field.setText("My server");
    SendMessageA(field.field(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    char text[256] = "(untouched)";
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = field.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(field.field());
    tool.lpszText = text;
    SendMessageA(field.toolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "My server");
}

TEST_F(TextFieldTest, ALockedFieldTakesNoTyping) {
    field.setText("27015");
    field.setLocked(true);
    field.setSelStart(5);
    Type("9");
    EXPECT_EQ(field.text(), "27015");
    field.setLocked(false);
    Type("9");
    EXPECT_EQ(field.text(), "270159");
}
