#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "ui/ControlLayout.h"
#include "ui/Look.h"

using namespace vantry;

TEST(TextFieldLayout, KeepsItsHeightAndFramesTheField) {
    for (int height : {0, 100, 310, 5000}) {
        const TextFieldLayout l = TextFieldTwips(2000, height);
        EXPECT_EQ((std::pair{l.width, l.height}), (std::pair{2000, 310})) << height;
        EXPECT_EQ(l.field, (Box{10, 10, 1970, 285}));
    }
    const struct { int dpi, width, height; Box field; } cases[] = {
        {96, 133, 21, {1, 1, 131, 19}},   // 2000 twips
        {120, 167, 26, {1, 1, 164, 24}},  // 30 twips = 2.5 px rounds up
        {144, 200, 31, {1, 1, 197, 29}},  // 285 twips = 28.5 px rounds up
    };
    for (const auto& c : cases) {
        const TextFieldLayout l = TextFieldPixels(c.width, c.dpi);
        EXPECT_EQ((std::pair{l.width, l.height}), (std::pair{c.width, c.height})) << c.dpi;
        EXPECT_EQ(l.field, c.field) << c.dpi;
    }
    // Narrower than its own frame: the field vanishes rather than turning inside out.
    EXPECT_EQ(TextFieldTwips(20, 310).field.width, 0);
    EXPECT_EQ(TextFieldPixels(1, 96).field.width, 0);
}

TEST(GameComboLayout, ConvertsEdgesToPixelsAtTheDpi) {
    // Strips: left, top, bottom, right.
    const struct { int dpi, width, height; Box list; std::array<Box, 4> strips; } cases[] = {
        {96, 129, 20, {0, 0, 130, 21}, {{{0, 0, 1, 22}, {1, 0, 128, 1}, {1, 19, 128, 1}, {128, 0, 2, 23}}}},
        // 20 twips round to 2 px here, past the 1 px left strip: the gap is closed.
        {120, 162, 25, {0, 0, 162, 26}, {{{0, 0, 1, 28}, {1, 0, 160, 1}, {1, 24, 160, 1}, {160, 0, 2, 29}}}},
        {144, 194, 30, {0, 0, 195, 32}, {{{0, 0, 2, 33}, {2, 0, 191, 2}, {2, 29, 191, 2}, {192, 0, 3, 35}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const GameComboLayout l = GameComboPixels(c.dpi);
        EXPECT_EQ((std::pair{l.width, l.height}), (std::pair{c.width, c.height}));
        EXPECT_EQ(l.list, c.list);
        EXPECT_EQ(l.strips, c.strips);
    }
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
        EXPECT_GE(std::min(left.width, top.height), 1);
        EXPECT_LT(bottom.y, l.height) << "the bottom strip shows inside the control";
        EXPECT_LT(right.x, l.width) << "the right strip shows inside the control";
        EXPECT_GE(std::min(left.height, right.height), l.height);
        // The list's own right and lower edges lie under a strip or outside the control.
        EXPECT_GE(l.list.width, l.width);
        EXPECT_GE(l.list.height, l.height);
    }
}
