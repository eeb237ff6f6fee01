#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "TestHost.h"
#include "UiDriver.h"
#include "win/platform/Handles.h"
#include "win/ui/FlatButton.h"

using namespace vantry;
using win::FlatButton;
using win::FlatButtonArgs;

namespace {

constexpr COLORREF Black = RGB(0, 0, 0), Orange = RGB(240, 103, 0), Green = RGB(72, 205, 0),
                   DimOrange = RGB(170, 75, 0);

// A 32-bit top-down DIB to draw into and read back.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        std::fill(bits_, bits_ + width * height, 0xFF00FF);  // magenta: not the black drawn
        SelectObject(dc_, bitmap_.get());
    }
    ~Canvas() { DeleteDC(dc_); }  // before the bitmap goes, so that it is free to go
    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int count(COLORREF colour) const {
        int n = 0;
        for (int i = 0; i < width_ * height_; ++i)
            n += at(i % width_, i / width_) == colour;
        return n;
    }

private:
    int width_, height_;
    HDC dc_ = CreateCompatibleDC(nullptr);
    win::UniqueGdiObject bitmap_;
    std::uint32_t* bits_ = nullptr;
};

class FlatButtonTest : public ::testing::Test {
protected:
    // Creates a button on the host; the events it raises are recorded in order.
    void make(FlatButton& button, FlatButtonArgs args, const std::string& name) {
        ASSERT_TRUE(button.create(host.hwnd(), args));
        button.onPress = [this, name] { events.push_back(name + " press"); };
        button.onClick = [this, name] { events.push_back(name + " click"); };
    }
    static FlatButtonArgs Caption(int id, const std::string& caption) {
        FlatButtonArgs args;
        args.id = id;
        args.caption = caption;
        args.rect = {10, 10 + 40 * (id - 1), 113, 25};
        return args;
    }
    static FlatButtonArgs Picture() {
        FlatButtonArgs args;
        args.id = 9;
        args.rect = {200, 10, 40, 30};
        args.picture = "EX1";  // orange
        args.pictureOver = "EX2";  // green
        return args;
    }
    // Through the button's own paint path: WM_DRAWITEM to the host and back.
    static void Print(const FlatButton& button, const Canvas& canvas) {
        SendMessageA(button.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    }
    void postKey(HWND to, UINT msg, WPARAM key, LPARAM flags) {
        PostMessageA(to, msg, key, 1 | flags);
        testutil::PumpMessages();
    }
    void mouse(const FlatButton& button, UINT msg) { SendMessageA(button.hwnd(), msg, 0, MAKELPARAM(5, 5)); }

    testutil::TestHost host;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(FlatButtonTest, HoveringShowsTheHoverPictureUntilThePointerLeavesOrAReset) {
    // Wine tracks a leave only while the real pointer is over the window, so
    // this test moves the pointer; topmost, so no other window comes between.
    SetWindowPos(host.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FlatButton button;
    make(button, Picture(), "x");
    RECT r;
    GetWindowRect(button.hwnd(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(button.hovering());
    Canvas hovered(40, 30);
    Print(button, hovered);
    EXPECT_EQ(hovered.count(Orange), 0);
    EXPECT_GT(hovered.count(Green), 0);

    // Away in one jump, onto the host: the leave is noticed without a move
    // over the button in between.
    SetCursorPos(r.left + 5, r.bottom + 30);
    EXPECT_TRUE(testutil::WaitFor([&] {
        testutil::PumpMessages();
        return !button.hovering();
    }));
    EXPECT_EQ(button.shownPicture(), "EX1");

    // Reset: the resting look, whatever the mouse and the press left behind.
    SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(button.hwnd(), BM_SETSTATE, TRUE, 0);
    button.reset();
    EXPECT_FALSE(button.hovering());
    EXPECT_FALSE(SendMessageA(button.hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(events.empty());
}

TEST_F(FlatButtonTest, MouseSpaceAndMnemonicEachPressThenClickOnce) {
    FlatButton start, other;
    make(start, Caption(1, "&Start Server"), "start");
    make(other, Caption(2, "&Other"), "other");
    const Events once{"start press", "start click"};

    // Two quick clicks are two clicks, not one click and a double click.
    mouse(start, WM_LBUTTONDOWN);
    mouse(start, WM_LBUTTONUP);
    mouse(start, WM_LBUTTONDBLCLK);
    mouse(start, WM_LBUTTONUP);
    EXPECT_EQ(events, (Events{"start press", "start click", "start press", "start click"}));

    // Space held down presses once, however long it auto-repeats.
    events.clear();
    SetFocus(start.hwnd());
    postKey(start.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    postKey(start.hwnd(), WM_KEYDOWN, VK_SPACE, 1 << 30);
    postKey(start.hwnd(), WM_KEYDOWN, VK_SPACE, 1 << 30);
    EXPECT_EQ(events, Events{"start press"});
    postKey(start.hwnd(), WM_KEYUP, VK_SPACE, (1 << 30) | (1u << 31));
    EXPECT_EQ(events, once);

    // Alt+S from another button.
    events.clear();
    SetFocus(other.hwnd());
    postKey(other.hwnd(), WM_SYSCHAR, 's', 1 << 29);
    EXPECT_EQ(events, once);
}

TEST_F(FlatButtonTest, ADisabledButtonNeitherPressesNorClicks) {
    FlatButton start, picture;
    FlatButtonArgs args = Caption(1, "&Start Server");
    args.enabled = false;
    make(start, args, "start");
    make(picture, Picture(), "picture");

    mouse(start, WM_LBUTTONDOWN);
    mouse(start, WM_LBUTTONUP);
    SetFocus(start.hwnd());
    postKey(start.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    postKey(start.hwnd(), WM_KEYUP, VK_SPACE, (1 << 30) | (1u << 31));
    SetFocus(picture.hwnd());
    postKey(picture.hwnd(), WM_SYSCHAR, 's', 1 << 29);

    // Disabled under the pointer with a click still queued: the click does not
    // act, and the resting picture shows at once.
    SendMessageA(picture.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    PostMessageA(host.hwnd(), WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), reinterpret_cast<LPARAM>(picture.hwnd()));
    picture.setEnabled(false);
    testutil::PumpMessages();
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(picture.hovering());
}

TEST_F(FlatButtonTest, TheCaptionIsDrawnInItsOwnColourOnTheBackColourEvenDisabled) {
    // The windows choose a disabled caption colour themselves; a greyed
    // caption would not be it.
    FlatButtonArgs args = Caption(1, "&Start Server");
    args.textColor = Orange;
    args.enabled = false;
    FlatButton button;
    make(button, args, "start");
    Canvas drawn(113, 25);
    Print(button, drawn);
    EXPECT_GT(drawn.count(Orange), 10);
    // A dim edge marks the button; inside it the back colour.
    EXPECT_EQ(drawn.at(0, 0), DimOrange);
    EXPECT_EQ(drawn.at(112, 24), DimOrange);
    EXPECT_EQ(drawn.at(2, 2), Black);
    EXPECT_EQ(drawn.at(110, 22), Black);
}

TEST_F(FlatButtonTest, AtTwiceTheDpiEachPicturePixelBecomesASharpSquare) {
    FlatButton button;
    make(button, Picture(), "x");
    // The picture as it is in the resources, one pixel per pixel.
    Canvas picture(10, 10);
    win::UniqueGdiObject bitmap(LoadImageA(GetModuleHandleA(nullptr), "EX1", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap.get());
    BitBlt(picture.dc(), 0, 0, 10, 10, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);

    button.overrideDpi(192);
    Canvas drawn(40, 30);
    Print(button, drawn);
    // 20x20, centred in 40x30: from (10, 5).
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 5 && y < 25;
            ASSERT_EQ(drawn.at(x, y), inside ? picture.at((x - 10) / 2, (y - 5) / 2) : Black) << x << "," << y;
        }
}
