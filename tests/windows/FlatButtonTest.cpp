#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TestHost.h"
#include "UiDriver.h"
#include "platform/Handles.h"
#include "ui/Dpi.h"
#include "ui/FlatButton.h"
#include "ui/FlatButtonLook.h"
#include "ui/Look.h"

using namespace vantry;
using win::FlatButton;
using win::FlatButtonArgs;

namespace {

constexpr COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255);
constexpr COLORREF Orange = RGB(240, 103, 0), Green = RGB(72, 205, 0);
// Whatever the button leaves unpainted keeps this colour.
constexpr COLORREF Unpainted = RGB(255, 0, 255);

// What was drawn, read back.
struct Pixels {
    int width = 0;
    std::vector<COLORREF> data;
    COLORREF at(int x, int y) const { return data[static_cast<size_t>(y * width + x)]; }
    int count(COLORREF colour) const {
        int n = 0;
        for (COLORREF p : data)
            n += p == colour;
        return n;
    }
};

// A 32-bit top-down DIB to render into.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_.get());
        RECT all = rect();
        win::UniqueGdiObject brush(CreateSolidBrush(Unpainted));
        FillRect(dc_, &all, static_cast<HBRUSH>(brush.get()));
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    RECT rect() const { return {0, 0, width_, height_}; }
    Pixels pixels() const {
        GdiFlush();
        Pixels out{width_, {}};
        for (int i = 0; i < width_ * height_; ++i) {
            const std::uint32_t p = bits_[i];
            out.data.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        }
        return out;
    }

private:
    int width_, height_;
    HDC dc_;
    win::UniqueGdiObject bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// A resource bitmap as it is, one pixel per pixel.
Pixels PictureOf(const char* name, int width, int height) {
    win::UniqueGdiObject bitmap(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
    Canvas canvas(width, height);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap.get());
    BitBlt(canvas.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return canvas.pixels();
}

Pixels Render(const FlatButton& button, int width, int height, bool pressed = false,
              bool focusCue = false, bool disabled = false, bool hidePrefix = false) {
    Canvas canvas(width, height);
    button.paint(canvas.dc(), canvas.rect(), pressed, focusCue, disabled, hidePrefix);
    return canvas.pixels();
}

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
        args.x = 10, args.y = 10 + 40 * (id - 1), args.width = 113, args.height = 25;
        return args;
    }
    static FlatButtonArgs Picture(const std::string& picture, const std::string& over) {
        FlatButtonArgs args;
        args.id = 9;
        args.x = 200, args.y = 10, args.width = 40, args.height = 30;
        args.picture = picture;
        args.pictureOver = over;
        return args;
    }
    void click(const FlatButton& button) {
        SendMessageA(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    void postKey(HWND to, UINT msg, WPARAM key, LPARAM flags) {
        PostMessageA(to, msg, key, 1 | flags);
        testutil::PumpMessages();
    }

    testutil::TestHost host;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(FlatButtonTest, HoveringShowsTheHoverPictureUntilTheMouseLeavesOrAReset) {
    FlatButton swaps, single;
    make(swaps, Picture("EX1", "EX2"), "swaps");
    make(single, Picture("MIN1", ""), "single");
    EXPECT_FALSE(swaps.hovering());
    EXPECT_EQ(swaps.shownPicture(), "EX1");

    SendMessageA(swaps.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(swaps.hovering());
    EXPECT_EQ(swaps.shownPicture(), "EX2");
    EXPECT_EQ(Render(swaps, 40, 30).count(Orange), 0);
    EXPECT_GT(Render(swaps, 40, 30).count(Green), 0);
    SendMessageA(swaps.hwnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(swaps.hovering());
    EXPECT_EQ(swaps.shownPicture(), "EX1");

    // Without a hover picture the resting one stays.
    SendMessageA(single.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(single.hovering());
    EXPECT_EQ(single.shownPicture(), "MIN1");

    // Reset: the resting look, whatever the mouse and the press left behind.
    SendMessageA(swaps.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(swaps.hwnd(), BM_SETSTATE, TRUE, 0);
    ASSERT_TRUE(SendMessageA(swaps.hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    swaps.reset();
    EXPECT_FALSE(swaps.hovering());
    EXPECT_EQ(swaps.shownPicture(), "EX1");
    EXPECT_FALSE(SendMessageA(swaps.hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(events.empty());
}

TEST_F(FlatButtonTest, APointerThatLeavesIsNoticedWithoutAnotherMove) {
    // Wine tracks a leave only while the real pointer is over the window, so
    // this test moves the pointer; topmost, so no other window comes between.
    SetWindowPos(host.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FlatButton button;
    make(button, Picture("EX1", "EX2"), "x");
    RECT r;
    GetWindowRect(button.hwnd(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(button.hovering());

    // Away in one jump, onto the host: no move over the button in between.
    SetCursorPos(r.left + 5, r.bottom + 30);
    EXPECT_TRUE(testutil::WaitFor([&] {
        testutil::PumpMessages();
        return !button.hovering();
    }));
    EXPECT_EQ(button.shownPicture(), "EX1");
}

TEST_F(FlatButtonTest, AMouseClickPressesThenClicks) {
    FlatButton button;
    make(button, Caption(1, "&Start Server"), "start");
    click(button);
    EXPECT_EQ(events, (Events{"start press", "start click"}));

    // Two quick clicks are two clicks, not one click and a double click.
    events.clear();
    SendMessageA(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(button.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events, (Events{"start press", "start click", "start press", "start click"}));

    // Released outside the button: pressed, but no click.
    events.clear();
    SendMessageA(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
    EXPECT_EQ(events, (Events{"start press"}));
}

TEST_F(FlatButtonTest, SpaceClicksOnceHoweverLongItIsHeld) {
    FlatButton button;
    make(button, Caption(1, "&Start Server"), "start");
    SetFocus(button.hwnd());
    postKey(button.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    postKey(button.hwnd(), WM_KEYDOWN, VK_SPACE, 1 << 30);  // auto-repeat
    postKey(button.hwnd(), WM_KEYDOWN, VK_SPACE, 1 << 30);
    EXPECT_EQ(events, (Events{"start press"}));
    postKey(button.hwnd(), WM_KEYUP, VK_SPACE, (1 << 30) | (1u << 31));
    EXPECT_EQ(events, (Events{"start press", "start click"}));
}

TEST_F(FlatButtonTest, AltAndTheUnderlinedLetterClicksTheButton) {
    FlatButton start, other;
    make(start, Caption(1, "&Start Server"), "start");
    make(other, Caption(2, "&Other"), "other");
    SetFocus(other.hwnd());

    postKey(other.hwnd(), WM_SYSCHAR, 's', 1 << 29);
    EXPECT_EQ(events, (Events{"start press", "start click"}));

    // The mnemonic follows the caption.
    events.clear();
    start.setCaption("&Go");
    EXPECT_EQ(start.caption(), "&Go");
    postKey(other.hwnd(), WM_SYSCHAR, 's', 1 << 29);
    postKey(other.hwnd(), WM_SYSCHAR, 'x', 1 << 29);
    EXPECT_TRUE(events.empty());
    postKey(other.hwnd(), WM_SYSCHAR, 'g', 1 << 29);
    EXPECT_EQ(events, (Events{"start press", "start click"}));
}

TEST_F(FlatButtonTest, ADisabledButtonNeitherPressesNorClicks) {
    FlatButton start, other;
    FlatButtonArgs args = Caption(1, "&Start Server");
    args.enabled = false;
    make(start, args, "start");
    make(other, Caption(2, "&Other"), "other");
    EXPECT_FALSE(start.enabled());

    click(start);
    SendMessageA(start.hwnd(), BM_CLICK, 0, 0);
    SetFocus(start.hwnd());
    postKey(start.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    postKey(start.hwnd(), WM_KEYUP, VK_SPACE, (1 << 30) | (1u << 31));
    SetFocus(other.hwnd());
    postKey(other.hwnd(), WM_SYSCHAR, 's', 1 << 29);
    EXPECT_TRUE(events.empty());

    start.setEnabled(true);
    EXPECT_TRUE(start.enabled());
    click(start);
    EXPECT_EQ(events, (Events{"start press", "start click"}));

    // A click still queued when the button is disabled does not act.
    events.clear();
    PostMessageA(host.hwnd(), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(start.hwnd()));
    start.setEnabled(false);
    testutil::PumpMessages();
    EXPECT_TRUE(events.empty());

    // Disabled under the pointer: the dimmed resting picture shows at once.
    FlatButton picture;
    make(picture, Picture("EX1", "EX2"), "picture");
    SendMessageA(picture.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    picture.setPicture("EXD");
    picture.setEnabled(false);
    EXPECT_FALSE(picture.hovering());
    EXPECT_EQ(picture.shownPicture(), "EXD");
}

TEST_F(FlatButtonTest, TheCaptionIsDrawnInExactlyItsColourOnTheBackColour) {
    FlatButton button;
    make(button, Caption(1, "&Start Server"), "start");
    const Pixels white = Render(button, 113, 25);
    EXPECT_EQ(white.count(Unpainted), 0);
    EXPECT_GT(white.count(White), 10);
    EXPECT_EQ(white.at(0, 0), Black);
    EXPECT_EQ(white.at(112, 24), Black);
    // Disabled looks the same: the windows choose a disabled caption colour
    // themselves, and a greyed caption would not be it.
    EXPECT_EQ(Render(button, 113, 25, false, false, true).data, white.data);

    // Pressed, the caption moves down and right by one pixel.
    const Pixels pressed = Render(button, 113, 25, true);
    for (int y = 1; y < 25; ++y)
        for (int x = 1; x < 113; ++x)
            ASSERT_EQ(pressed.at(x, y), white.at(x - 1, y - 1)) << x << "," << y;

    button.setTextColor(Orange);
    EXPECT_EQ(button.textColor(), Orange);
    EXPECT_GT(Render(button, 113, 25).count(Orange), 10);

    // Black on black is how a window shows a caption that is not there yet.
    button.setTextColor(Black);
    EXPECT_EQ(Render(button, 113, 25, false, false, true).count(Black), 113 * 25);

    button.setTextColor(White);
    button.setBackColor(RGB(0, 0, 128));
    const Pixels navy = Render(button, 113, 25);
    EXPECT_EQ(navy.at(0, 0), RGB(0, 0, 128));
    EXPECT_EQ(navy.count(Black), 0);
}

TEST_F(FlatButtonTest, ThePictureIsDrawnSharpAtTheWholePixelScaleOfTheDpi) {
    FlatButton button;
    make(button, Picture("EX1", "EX2"), "x");
    const Pixels picture = PictureOf("EX1", 10, 10);
    for (int dpi : {0, 144, 288}) {
        button.overrideDpi(dpi);
        const int scale = PictureScale(dpi ? dpi : win::WindowDpi(button.hwnd()));
        for (bool pressed : {false, true}) {
            SCOPED_TRACE(testing::Message() << "DPI " << dpi << (pressed ? " pressed" : " resting"));
            const Pixels drawn = Render(button, 40, 30, pressed);
            const PixelRect at = PicturePlacement(40, 30, 10, 10, scale, pressed);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x) {
                    const bool inside = x >= at.x && x < at.x + at.width && y >= at.y && y < at.y + at.height;
                    ASSERT_EQ(drawn.at(x, y), inside ? picture.at((x - at.x) / scale, (y - at.y) / scale) : Black)
                        << x << "," << y;
                }
            EXPECT_EQ(drawn.count(Orange), picture.count(Orange) * scale * scale);
        }
    }
}

TEST_F(FlatButtonTest, TheFocusCueIsADottedRingJustInsideTheEdge) {
    FlatButton button;
    make(button, Picture("", ""), "x");
    const Pixels plain = Render(button, 40, 30);
    EXPECT_EQ(plain.count(Black), 40 * 30);

    const Pixels focused = Render(button, 40, 30, false, true);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(focused.at(x, 0), Black);
        EXPECT_EQ(focused.at(x, 1), Black);
    }
    int dots = 0;
    for (int x = 2; x < 38; ++x) {
        const COLORREF p = focused.at(x, 2);
        EXPECT_TRUE(p == White || p == Black);
        dots += p == White;
        if (x > 2) {  // dotted: never two lit pixels side by side
            EXPECT_FALSE(p == White && focused.at(x - 1, 2) == White) << x;
        }
    }
    EXPECT_GE(dots, 16);
    EXPECT_EQ(focused.at(20, 15), Black);  // a ring, not a fill
}

TEST_F(FlatButtonTest, TheButtonPaintsItselfWithNothingGrey) {
    FlatButton button;
    make(button, Picture("EX1", "EX2"), "x");
    // The button's own paint path: WM_CTLCOLORBTN, then WM_DRAWITEM to the host.
    Canvas printed(40, 30);
    SendMessageA(button.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
    const Pixels drawn = printed.pixels();
    EXPECT_EQ(drawn.data, Render(button, 40, 30).data);
    EXPECT_EQ(drawn.count(Black) + drawn.count(Orange), 40 * 30);

    // Asked for a brush, the host answers with the back colour, not the grey face.
    button.setBackColor(RGB(0, 0, 128));
    LOGBRUSH brush{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(host.hwnd(), WM_CTLCOLORBTN,
                                                      reinterpret_cast<WPARAM>(printed.dc()),
                                                      reinterpret_cast<LPARAM>(button.hwnd()))),
               sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(0, 0, 128));

    // Erasing first would flash the background before every paint.
    Canvas erased(40, 30);
    EXPECT_NE(SendMessageA(button.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0), 0);
    EXPECT_EQ(erased.pixels().count(Unpainted), 40 * 30);
}

TEST_F(FlatButtonTest, TheDrawStateSetsPressFocusCueAndUnderline) {
    FlatButton button;
    make(button, Caption(1, "&Start Server"), "start");

    // Focused, through the button's own paint path, with the cues showing.
    SetFocus(button.hwnd());
    SendMessageA(button.hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    Canvas printed(113, 25);
    SendMessageA(button.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
    EXPECT_EQ(printed.pixels().data, Render(button, 113, 25, false, true).data);

    // Each state bit, as the host receives it.
    const auto draw = [&](UINT state) {
        Canvas canvas(113, 25);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = 1;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button.hwnd();
        item.hDC = canvas.dc();
        item.rcItem = canvas.rect();
        EXPECT_EQ(SendMessageA(host.hwnd(), WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&item)), TRUE);
        return canvas.pixels().data;
    };
    EXPECT_EQ(draw(0), Render(button, 113, 25).data);
    EXPECT_EQ(draw(ODS_SELECTED), Render(button, 113, 25, true).data);
    EXPECT_EQ(draw(ODS_FOCUS), Render(button, 113, 25, false, true).data);
    EXPECT_EQ(draw(ODS_FOCUS | ODS_NOFOCUSRECT), Render(button, 113, 25).data);
    EXPECT_EQ(draw(ODS_NOACCEL), Render(button, 113, 25, false, false, false, true).data);
    EXPECT_EQ(draw(ODS_DISABLED), Render(button, 113, 25).data);
    EXPECT_NE(draw(ODS_SELECTED), draw(0));
    EXPECT_NE(draw(ODS_FOCUS), draw(0));
    EXPECT_NE(draw(ODS_NOACCEL), draw(0));
}
