#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TestHost.h"
#include "UiDriver.h"
#include "win/platform/Handles.h"
#include "win/ui/Dpi.h"
#include "win/ui/FlatButton.h"

using namespace vantry;
using win::FlatButton;
using win::FlatButtonArgs;
using Events = std::vector<std::string>;

namespace {

constexpr COLORREF Black = RGB(0, 0, 0), Orange = RGB(240, 103, 0), DimOrange = RGB(170, 75, 0);

// A button drawn through its own paint path (WM_DRAWITEM to the host and back)
// into a 32-bit DIB, magenta until drawn on.
class Canvas {
public:
    Canvas(const FlatButton& button, int width, int height) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        SelectObject(dc_, bitmap_.get());
        const RECT all{0, 0, width, height};
        FillRect(dc_, &all, win::SolidBrush(RGB(255, 0, 255)));
        SendMessageA(button.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~Canvas() { DeleteDC(dc_); }  // before the bitmap goes, so that it is free to go
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_ = CreateCompatibleDC(nullptr);
    win::UniqueGdiObject bitmap_;
};

class FlatButtonTest : public ::testing::Test {
protected:
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
        testutil::PumpMessages();
    }
    void mouse(const FlatButton& button, UINT msg) { SendMessageA(button.hwnd(), msg, 0, MAKELPARAM(5, 5)); }

    testutil::TestHost host;
    Events events;
};

}  // namespace

TEST_F(FlatButtonTest, HoveringShowsTheHoverPictureUntilThePointerLeaves) {
    // Wine tracks a leave only while the real pointer is over the window, so
    // this test moves the pointer; topmost, so no other window comes between.
    SetWindowPos(host.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FlatButton button;
    make(button, 9, "");
    RECT r;
    GetWindowRect(button.hwnd(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    mouse(button, WM_MOUSEMOVE);
    EXPECT_EQ(button.shownPicture(), "EX2");
    // Away in one jump: the leave is noticed without a move over the button in between.
    SetCursorPos(r.left + 5, r.bottom + 30);
    EXPECT_TRUE(testutil::WaitFor([&] {
        testutil::PumpMessages();
        return button.shownPicture() == "EX1";
    }));
}

TEST_F(FlatButtonTest, MouseSpaceAndMnemonicEachPressThenClickOnceAndNeverWhileDisabled) {
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

    events.clear();
    SetFocus(other.hwnd());
    postKey(other.hwnd(), WM_SYSCHAR, 's', 1 << 29);  // Alt+S
    EXPECT_EQ(events, once);

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
    testutil::PumpMessages();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(picture.shownPicture(), "EX1");
}

TEST_F(FlatButtonTest, DrawsItsCaptionInItsOwnColoursAndEachPicturePixelAsASharpSquare) {
    // Disabled, the caption keeps its colour: the windows pick a disabled
    // caption colour themselves. A dim edge marks the button.
    FlatButton text, picture;
    make(text, 1, "&Start Server", false);
    text.setTextColor(Orange);
    const Canvas caption(text, 113, 25);
    EXPECT_EQ((std::vector{caption.at(0, 0), caption.at(112, 24), caption.at(2, 2), caption.at(110, 22)}),
              (std::vector{DimOrange, DimOrange, Black, Black}));
    int orange = 0;
    for (int i = 0; i < 113 * 25; ++i)
        orange += caption.at(i % 113, i / 113) == Orange;
    EXPECT_GT(orange, 10);

    // At twice the DPI the 10 x 10 picture is 20 x 20, centred in 40 x 30.
    make(picture, 9, "");
    picture.overrideDpi(96);
    const Canvas once(picture, 40, 30);
    picture.overrideDpi(192);
    const Canvas twice(picture, 40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 5 && y < 25;
            ASSERT_EQ(twice.at(x, y), inside ? once.at(15 + (x - 10) / 2, 10 + (y - 5) / 2) : Black) << x << "," << y;
        }
}
