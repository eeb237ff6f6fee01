#include <gtest/gtest.h>

#include "ui/ControlLayout.h"
#include "ui/Look.h"

using namespace vantry;

TEST(TextFieldLayout, KeepsItsHeightAndFramesTheFieldInTwips) {
    for (int height : {0, 100, 310, 5000}) {
        const TextFieldLayout l = TextFieldTwips(2000, height);
        EXPECT_EQ(l.width, 2000);
        EXPECT_EQ(l.height, 310) << height;
        EXPECT_EQ(l.field, (Box{10, 10, 1970, 285}));
    }
    // Narrower than its own frame: the field vanishes rather than turning inside out.
    EXPECT_EQ(TextFieldTwips(20, 310).field.width, 0);
}

TEST(TextFieldLayout, RoundsEachMeasureToPixelsAtTheDpi) {
    struct Case {
        int dpi, width, height;
        Box field;
    } cases[] = {
        {96, 133, 21, {1, 1, 131, 19}},   // 2000 twips
        {120, 167, 26, {1, 1, 164, 24}},  // 30 twips = 2.5 px rounds up
        {144, 200, 31, {1, 1, 197, 29}},  // 285 twips = 28.5 px rounds up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const TextFieldLayout l = TextFieldPixels(c.width, c.dpi);
        EXPECT_EQ(l.width, c.width);
        EXPECT_EQ(l.height, c.height);
        EXPECT_EQ(l.field, c.field);
        // The frame shows on every side.
        EXPECT_GE(l.width - (l.field.x + l.field.width), 1);
        EXPECT_GE(l.height - (l.field.y + l.field.height), 1);
    }
    EXPECT_EQ(TextFieldPixels(1, 96).field.width, 0);
}

TEST(GameComboLayout, HasOneSizeAndFourStripsInTwips) {
    const GameComboLayout l = GameComboTwips();
    EXPECT_EQ(l.width, 1940);
    EXPECT_EQ(l.height, 300);
    EXPECT_EQ(l.list, (Box{0, 0, 1945, 315}));
    EXPECT_EQ(l.strips[0], (Box{0, 0, 15, 330}));
    EXPECT_EQ(l.strips[1], (Box{20, 0, 1910, 15}));
    EXPECT_EQ(l.strips[2], (Box{20, 290, 1910, 15}));
    EXPECT_EQ(l.strips[3], (Box{1920, 0, 25, 345}));
}

TEST(GameComboLayout, ConvertsEdgesToPixelsAtTheDpi) {
    const GameComboLayout at96 = GameComboPixels(96);
    EXPECT_EQ(at96.width, 129);
    EXPECT_EQ(at96.height, 20);
    EXPECT_EQ(at96.list, (Box{0, 0, 130, 21}));
    EXPECT_EQ(at96.strips[0], (Box{0, 0, 1, 22}));
    EXPECT_EQ(at96.strips[1], (Box{1, 0, 128, 1}));
    EXPECT_EQ(at96.strips[2], (Box{1, 19, 128, 1}));
    EXPECT_EQ(at96.strips[3], (Box{128, 0, 2, 23}));

    // 20 twips round to 2 px here, past the 1 px left strip: the gap is closed.
    const GameComboLayout at120 = GameComboPixels(120);
    EXPECT_EQ(at120.width, 162);
    EXPECT_EQ(at120.height, 25);
    EXPECT_EQ(at120.list, (Box{0, 0, 162, 26}));
    EXPECT_EQ(at120.strips[0], (Box{0, 0, 1, 28}));
    EXPECT_EQ(at120.strips[1], (Box{1, 0, 160, 1}));
    EXPECT_EQ(at120.strips[2], (Box{1, 24, 160, 1}));
    EXPECT_EQ(at120.strips[3], (Box{160, 0, 2, 29}));

    const GameComboLayout at144 = GameComboPixels(144);
    EXPECT_EQ(at144.width, 194);
    EXPECT_EQ(at144.height, 30);
    EXPECT_EQ(at144.list, (Box{0, 0, 195, 32}));
    EXPECT_EQ(at144.strips[0], (Box{0, 0, 2, 33}));
    EXPECT_EQ(at144.strips[1], (Box{2, 0, 191, 2}));
    EXPECT_EQ(at144.strips[2], (Box{2, 29, 191, 2}));
    EXPECT_EQ(at144.strips[3], (Box{192, 0, 3, 35}));
}

TEST(GameComboLayout, FrameIsClosedAndHidesTheListEdgesAtEveryDpi) {
    for (int dpi = 96; dpi <= 288; dpi += 24) {
        SCOPED_TRACE(dpi);
        const GameComboLayout l = GameComboPixels(dpi);
        const Box &left = l.strips[0], &top = l.strips[1], &bottom = l.strips[2], &right = l.strips[3];
        for (const Box* strip : {&top, &bottom}) {
            EXPECT_LE(strip->x, left.x + left.width);
            EXPECT_GE(strip->x + strip->width, right.x);
        }
        EXPECT_GE(left.width, 1);
        EXPECT_GE(top.height, 1);
        EXPECT_LT(bottom.y, l.height) << "the bottom strip shows inside the control";
        EXPECT_LT(right.x, l.width) << "the right strip shows inside the control";
        EXPECT_GE(left.height, l.height);
        EXPECT_GE(right.height, l.height);
        // The list's own right and lower edges lie under a strip or outside the control.
        EXPECT_GE(l.list.width, l.width);
        EXPECT_GE(l.list.height, l.height);
    }
}
