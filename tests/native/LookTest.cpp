#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "core/ui/ActivityLook.h"
#include "core/ui/ControlLayout.h"
#include "core/ui/Look.h"
#include "core/ui/WindowSet.h"

using namespace vantry;

TEST(ActivityLook, TitleColourFollowsEveryChangePicturesOnlyTransitions) {
    ActivityLook look;
    using Seen = std::pair<std::uint32_t, std::string>;  // title colour, pictures if they change
    const auto seen = [&](bool active) {
        const auto u = look.onActivity(active);
        return Seen{u.titleColour, u.pictures ? u.pictures->exit + " " + u.pictures->minimize + " " +
                                                    u.pictures->help
                                              : "-"};
    };
    // Starting inactive: dim title, but the normal pictures stay until once active.
    EXPECT_EQ(seen(false), (Seen{0x004BAA, "-"}));
    EXPECT_EQ(seen(true), (Seen{0x0067F0, "EX1 MIN1 HELP1"}));
    EXPECT_EQ(seen(true), (Seen{0x0067F0, "-"}));
    EXPECT_EQ(seen(false), (Seen{0x004BAA, "EXD MIND HELPD"}));
    EXPECT_EQ(seen(false), (Seen{0x004BAA, "-"}));
}

TEST(Chrome, CentringAndTwips) {
    EXPECT_EQ(Centred(15360, 11520, 4155, 4125), (Rect{5602, 3697, 4155, 4125}));
    EXPECT_EQ(TwipsToPixels(310, 96), 21);   // 20.67
    EXPECT_EQ(TwipsToPixels(310, 144), 31);  // 31.0
    EXPECT_EQ(TwipsToPixels(15, 96), 1);     // a frame strip never vanishes at 96 DPI
    EXPECT_EQ(TwipsToPixels(-100, 96), -7);  // off-screen positions round symmetrically
    EXPECT_DOUBLE_EQ(PixelsToTwips(96, 96), 1440.0);
    EXPECT_EQ(PictureScale(120), 1);
    EXPECT_EQ(PictureScale(144), 2);
    EXPECT_EQ(PictureScale(288), 3);
}

TEST(WindowSet, EndProgramHidesTheTitleThenUnloadsNewestFirstEvenWhenAWindowForgetsToSaySo) {
    struct Recording : ProgramWindow {
        Recording(WindowSet& set, std::vector<std::string>& log, std::string name, bool tells)
            : set(set), log(log), name(std::move(name)), tells(tells) {}
        void Unload() override {
            log.push_back(name);
            if (tells)
                set.Unloaded(this);
        }
        WindowSet& set;
        std::vector<std::string>& log;
        std::string name;
        bool tells;
    };
    WindowSet set;
    std::vector<std::string> log;
    int emptied = 0;
    set.onEmpty = [&] { ++emptied; };
    Recording main(set, log, "main", true), title(set, log, "title", false), gone(set, log, "gone", true),
        launcher(set, log, "launcher", true);
    for (auto* window : {&main, &title, &gone, &launcher, &main})  // loading twice does not reorder
        set.Loaded(window);
    set.Unloaded(&gone);
    set.EndProgram([&] { log.push_back("hide title"); });
    EXPECT_EQ(log, (std::vector<std::string>{"hide title", "launcher", "title", "main"}));
    EXPECT_EQ(set.Count(), 0u);
    EXPECT_EQ(emptied, 1);
}


TEST(TextFieldLayout, KeepsItsHeightAndFramesTheField) {
    const struct { int dpi, width, height; Rect field; } cases[] = {
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
    EXPECT_EQ(TextFieldPixels(1, 96).field.width, 0);
}

TEST(GameComboLayout, ConvertsEdgesToPixelsAtTheDpi) {
    // Strips: left, top, bottom, right.
    const struct { int dpi, width, height; Rect list; std::array<Rect, 4> strips; } cases[] = {
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
        const Rect &left = l.strips[0], &top = l.strips[1], &bottom = l.strips[2], &right = l.strips[3];
        for (const Rect* strip : {&top, &bottom}) {
            EXPECT_LE(strip->left, left.right());
            EXPECT_GE(strip->right(), right.left);
        }
        EXPECT_GE(std::min(left.width, top.height), 1);
        EXPECT_LT(bottom.top, l.height) << "the bottom strip shows inside the control";
        EXPECT_LT(right.left, l.width) << "the right strip shows inside the control";
        EXPECT_GE(std::min(left.height, right.height), l.height);
        // The list's own right and lower edges lie under a strip or outside the control.
        EXPECT_GE(l.list.width, l.width);
        EXPECT_GE(l.list.height, l.height);
    }
}
