#include <gtest/gtest.h>

#include "core/ui/FlatButtonLook.h"

using namespace vantry;

TEST(FlatButtonLook, TheHoverPictureShowsOnlyWhileHoveringAndOnlyIfThereIsOne) {
    const std::string ex1 = "EX1", ex2 = "EX2", none;
    EXPECT_EQ(ShownPicture(ex1, ex2, true), "EX2");
    // No hover picture: the resting one stays, rather than a blank button.
    EXPECT_EQ(ShownPicture(ex1, none, true), "EX1");
    EXPECT_EQ(ShownPicture(none, ex2, false), "");
}

TEST(FlatButtonLook, PicturesAreCentredScaledByWholePixelsAndPressedOnePixelDownRight) {
    EXPECT_EQ(PicturePlacement(26, 27, 6, 9, 3, false), (Rect{4, 0, 18, 27}));
    // A scale below one (no DPI known) still draws the picture at its size.
    EXPECT_EQ(PicturePlacement(20, 20, 10, 10, 0, false), (Rect{5, 5, 10, 10}));
    // Larger than its button: an odd overhang is cut on the left and top,
    // mirroring where the extra pixel of room goes.
    EXPECT_EQ(PicturePlacement(7, 6, 10, 10, 1, false), (Rect{-2, -2, 10, 10}));
    // An odd pixel of spare room goes to the right and below; the press moves
    // the picture by one pixel whatever the scale.
    EXPECT_EQ(PicturePlacement(17, 15, 10, 10, 1, true), (Rect{4, 3, 10, 10}));
    EXPECT_EQ(PicturePlacement(34, 30, 10, 10, 2, true), (Rect{8, 6, 20, 20}));
}

TEST(FlatButtonLook, CaptionsLoseTheMnemonicMarkerAndTheFocusCueStaysVisible) {
    EXPECT_EQ(WithoutMnemonic("&Start Server"), "Start Server");
    EXPECT_EQ(WithoutMnemonic("Maps && Games"), "Maps & Games");
    EXPECT_EQ(WithoutMnemonic("&&&Save"), "&Save");
    EXPECT_EQ(WithoutMnemonic("Fish &"), "Fish &");
    // The focus cue never vanishes into the background.
    EXPECT_EQ(FocusCueColour(0x0067F0, 0x000000), 0x0067F0u);
    EXPECT_EQ(FocusCueColour(0x000000, 0x000000), 0xFFFFFFu);
    EXPECT_EQ(FocusCueColour(0x0067F0, 0x0067F0), 0xFF980Fu);
}
