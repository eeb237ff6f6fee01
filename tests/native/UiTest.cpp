#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "Cases.h"
#include "FakePlatform.h"
#include "core/text/Text.h"
#include "core/ui/AboutPresenter.h"
#include "core/ui/ActivityLook.h"
#include "core/ui/ControlLayout.h"
#include "core/ui/EnterKey.h"
#include "core/ui/FlatButtonLook.h"
#include "core/ui/Geometry.h"
#include "core/ui/SessionEndGuard.h"
#include "core/ui/TrayMenu.h"
#include "core/ui/WindowSet.h"

using namespace vantry;
using Texts = std::vector<std::string>;

// Four fields of a case from the i-th on, as left, top, width and height.
static Rect RectAt(const cases::Case& c, std::size_t i) {
    return {std::stoi(c[i]), std::stoi(c[i + 1]), std::stoi(c[i + 2]), std::stoi(c[i + 3])};
}

TEST(ActivityLook, TitleColourFollowsEveryChangePicturesOnlyTransitions) {
    ActivityLook look;
    // The title colour, and the pictures when they change. Starting inactive:
    // dim title, but the normal pictures stay until once active.
    Texts seen;
    for (bool active : {false, true, true, false, false}) {
        const auto u = look.onActivity(active);
        const auto& p = u.pictures;
        seen.push_back(std::to_string(u.titleColour) + (p ? " " + p->exit + " " + p->minimize + " " + p->help : ""));
    }
    EXPECT_EQ(seen, (Texts{"19370", "26608 EX1 MIN1 HELP1", "26608", "19370 EXD MIND HELPD", "19370"}));  // 0x004BAA, 0x0067F0
}

TEST(Chrome, CentringAndTwips) {
    EXPECT_EQ(Centred(15360, 11520, 4155, 4125), (Rect{5602, 3697, 4155, 4125}));
    for (const auto& c : cases::Read("moved-into.txt"))
        EXPECT_EQ(MovedInto(RectAt(c, 0), {-1280, 0, 1280, 1000}), RectAt(c, 4)) << c[0] << " " << c[1];
    EXPECT_EQ(TwipsToPixels(15, 96), 1);     // a frame strip never vanishes at 96 DPI
    EXPECT_EQ(TwipsToPixels(-100, 96), -7);  // off-screen positions round symmetrically
    EXPECT_DOUBLE_EQ(PixelsToTwips(96, 96), 1440.0);
    EXPECT_EQ((std::vector{PictureScale(120), PictureScale(144), PictureScale(288)}), (std::vector{1, 2, 3}));
}

namespace {
// Windows, and the owner of the tool windows, that log what is done to them.
struct Windows : ToolOwner {
    struct Logged : ProgramWindow {
        Logged(Windows& w, std::string name, bool tells = true) : w(w), name(std::move(name)), tells(tells) {}
        void unload() override {
            w.log.push_back(name);
            if (tells)
                w.set.unloaded(this);
        }
        bool closeAsExitButton() override { return !staysOpen; }
        Windows& w;
        std::string name;
        bool tells, staysOpen = false;
    };
    Windows() { set.setToolOwner(this); }
    void setEnabled(bool enabled) override { log.push_back(enabled ? "enable" : "disable"); }
    bool visible() override { return shown; }
    void activate() override { log.push_back("activate"); }
    bool open(Logged& tool, bool overOwner, bool loads = true) {
        return set.openTool(tool, overOwner, [&] { loads ? set.loaded(&tool) : log.push_back("no load"); });
    }
    WindowSet set;
    Texts log;
    bool shown = true;
    Logged main{*this, "main"}, title{*this, "title", false}, tool{*this, "tool"}, other{*this, "other"};
};
}  // namespace

TEST(WindowSet, EndProgramHidesTheTitleThenUnloadsNewestFirstEvenWhenAWindowForgetsToSaySo) {
    Windows w;
    int emptied = 0;
    w.set.onEmpty = [&] { ++emptied; };
    for (auto* window : {&w.main, &w.title, &w.other, &w.tool, &w.main})  // loading twice does not reorder
        w.set.loaded(window);
    w.set.unloaded(&w.other);
    w.set.EndProgram([&] { w.log.push_back("hide title"); });
    EXPECT_EQ(std::tuple(w.log, w.set.count(), emptied),
              std::tuple(Texts{"hide title", "tool", "title", "main"}, 0u, 1));
}

TEST(WindowSet, AToolWindowHoldsItsOwnerDisabledGivesItBackAndIsTheOnlyOne) {
    for (const auto& c : cases::Read("tool-windows.txt")) {
        Windows w;
        w.shown = c[2] == "true";
        EXPECT_EQ(w.open(w.tool, c[0] == "true", c[1] == "true"), c[1] == "true");
        w.set.closeTool();
        EXPECT_EQ(std::tuple(w.log, w.set.toolOpen()), std::tuple(SplitAt(c[3], '|'), false));
    }
    // One at a time; one that keeps its question up keeps the owner's exit
    // waiting; an owner made anew meanwhile is disabled as well.
    Windows w;
    w.open(w.tool, true);
    EXPECT_FALSE(w.open(w.other, false));
    w.set.toolOwnerRenewed();
    w.tool.staysOpen = true;
    EXPECT_FALSE(w.set.closeToolAsExitButton());
    EXPECT_EQ(w.log, (Texts{"disable", "disable"}));
    w.set.unloaded(&w.tool);  // gone another way, as End program unloads it
    EXPECT_TRUE(w.set.closeToolAsExitButton() && w.open(w.other, false));
}

TEST(SessionEndGuard, UnsavedWorkRefusesTheEndNamesItselfAndAsksOnceWhenTheWindowIsFree) {
    struct : SessionEndView {
        void nameBlockReason(const std::string& reason) override { log.push_back(reason); }
        void dropBlockReason() override { log.push_back("drop"); }
        void requestAskTurn() override { log.push_back("turn"); }
        Texts log;
    } view;
    SessionEndGuard guard(view);
    const std::string cfg = "Unsaved changes in server.cfg", other = "Unsaved changes in listen.cfg";

    // Nothing unsaved: the session ends, and the system is told nothing.
    EXPECT_TRUE(guard.onQueryEndSession(""));
    guard.onWindowFree();
    // However often the system asks, one reason and one turn; a window busy
    // with a question of its own is asked once it is free.
    EXPECT_EQ((std::vector{guard.onQueryEndSession(cfg), guard.onQueryEndSession(cfg), guard.onAskTurn(false, cfg)}),
              (std::vector{false, false, false}));
    guard.onWindowFree();
    EXPECT_EQ(view.log, (Texts{cfg, "turn", "turn"}));
    EXPECT_EQ((std::vector{guard.onAskTurn(true, cfg), guard.onAskTurn(true, cfg), guard.onQueryEndSession(cfg)}),
              (std::vector{true, false, false})) << "asked while the question is up";
    guard.onWindowFree();
    // Cancel keeps the work, and its name, until it is saved under another.
    guard.onAsked();
    guard.onWorkChanged(other);
    guard.onWorkChanged("");
    EXPECT_EQ(view.log, (Texts{cfg, "turn", "turn", other, "drop"}));

    // Saved before the turn came: the window is not closed under the user;
    // and the system's question finds the work as it is now.
    view.log.clear();
    EXPECT_EQ((std::vector{guard.onQueryEndSession(cfg), guard.onAskTurn(true, ""), guard.onQueryEndSession("")}),
              (std::vector{false, false, true}));
    EXPECT_EQ(view.log, (Texts{cfg, "turn", "drop"}));

    // A session end that another program refused changes nothing; one that
    // ends all the same asks nothing more.
    view.log.clear();
    EXPECT_FALSE(guard.onQueryEndSession(cfg));
    guard.onEndSession(false);
    guard.onEndSession(true);
    guard.onWindowFree();
    EXPECT_FALSE(guard.onAskTurn(true, cfg));
    guard.onWindowGone();
    EXPECT_EQ(view.log, (Texts{cfg, "turn", "drop"}));
}

TEST(ControlLayout, TheTextFieldKeepsItsHeightAndFramesTheField) {
    for (const auto& c : cases::Read("text-field.txt")) {
        const TextFieldLayout l = TextFieldPixels(std::stoi(c[1]), std::stoi(c[0]));
        EXPECT_EQ(std::tuple(l.width, l.height, l.field), std::tuple(std::stoi(c[1]), std::stoi(c[2]), RectAt(c, 3)))
            << c[0] << " " << c[1];
    }
}

TEST(ControlLayout, TheGameListsFrameIsClosedAndHidesTheListEdgesAtEveryDpi) {
    // At 120 DPI the top and bottom strips would start a pixel right of the left one.
    EXPECT_EQ(GameComboPixels(120).strips,
              (std::array<Rect, 4>{{{0, 0, 1, 28}, {1, 0, 160, 1}, {1, 24, 160, 1}, {160, 0, 2, 29}}}));
    for (int dpi = 96; dpi <= 288; dpi += 24) {
        SCOPED_TRACE(dpi);
        const GameComboLayout l = GameComboPixels(dpi);
        const Rect &left = l.strips[0], &top = l.strips[1], &bottom = l.strips[2], &right = l.strips[3];
        for (const Rect* strip : {&top, &bottom})
            EXPECT_TRUE(strip->left <= left.right() && strip->right() >= right.left);
        EXPECT_GE(std::min(left.width, top.height), 1);
        EXPECT_TRUE(bottom.top < l.height && right.left < l.width) << "the bottom and right strips show inside";
        EXPECT_GE(std::min(left.height, right.height), l.height);
        // The list's own right and lower edges lie under a strip or outside the control.
        EXPECT_GE(std::min(l.list.width - l.width, l.list.height - l.height), 0);
    }
}

TEST(FlatButtonLook, PicturesAreCentredScaledByWholePixelsAndPressedOnePixelDownRight) {
    for (const auto& c : cases::Read("picture-placement.txt")) {
        const auto n = [&](std::size_t i) { return std::stoi(c[i]); };
        EXPECT_EQ(PicturePlacement(n(0), n(1), n(2), n(3), n(4), c[5] == "true"), RectAt(c, 6))
            << c[0] << " " << c[1];
    }
}

TEST(FlatButtonLook, CaptionsLoseTheMnemonicMarkerAndNeitherPictureNorFocusCueVanishes) {
    EXPECT_EQ((Texts{WithoutMnemonic("&Start Server"), WithoutMnemonic("Maps && Games"), WithoutMnemonic("&&&Save"),
                     WithoutMnemonic("Fish &")}),
              (Texts{"Start Server", "Maps & Games", "&Save", "Fish &"}));
    // The hover picture shows while hovering, unless there is none.
    const std::string ex1 = "EX1", ex2 = "EX2", none;
    EXPECT_EQ((Texts{ShownPicture(ex1, ex2, true), ShownPicture(ex1, none, true), ShownPicture(none, ex2, false)}),
              (Texts{"EX2", "EX1", ""}));
    EXPECT_EQ((std::vector{FocusCueColour(0x0067F0, 0x000000), FocusCueColour(0x000000, 0x000000),
                           FocusCueColour(0x0067F0, 0x0067F0)}),
              (std::vector<std::uint32_t>{0x0067F0, 0xFFFFFF, 0xFF980F}));
    // Start, Save and Apply show white or black, the other buttons orange or dim orange.
    using enum EnabledLook;
    EXPECT_EQ((std::vector{CaptionColour(WhiteOrBlack, true), CaptionColour(WhiteOrBlack, false),
                           CaptionColour(OrangeOrDim, true), CaptionColour(OrangeOrDim, false)}),
              (std::vector<std::uint32_t>{0xFFFFFF, 0x000000, 0x0067F0, 0x004BAA}));
}

TEST(EnterKey, AFocusedButtonThenTheFieldsOwnButtonWhileEnabledThenTheWindowsDefault) {
    enum { Name = 1, Rename, Ok, Other };
    const EnterKey keys{{{Name, Rename}}, Ok}, noDefault{{{Name, Rename}}, 0};
    const struct { const EnterKey& keys; int focused; bool focusedButton, renameEnabled; int pressed; } cases[] = {
        {keys, Other, true, true, Other},  {keys, Name, false, true, Rename}, {keys, Name, false, false, Ok},
        {keys, Other, false, true, Ok},    {noDefault, Name, false, false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.keys.pressed(c.focused, c.focusedButton, [&](int b) { return b == Rename && c.renameEnabled; }),
                  c.pressed);
}

TEST(ToolTrayMenu, WaitsForAHeldWindowElseMinimizesOrRestoresOrExits) {
    struct View : ToolTrayMenu::View {
        bool windowEnabled() override { return enabled; }
        bool windowVisible() override { return visible; }
        void activateModalWindow() override { log.push_back("modal forward"); }
        int popupMenu(const Menu& menu) override {
            log.push_back(menu[0].caption + " " + menu[1].caption);
            return chosen;
        }
        void showWindow(bool shown) override { log.push_back(shown ? "show" : "hide"); }
        void exit() override { log.push_back("exit"); }
        bool enabled, visible;
        int chosen;
        Texts log;
    };
    for (const auto& c : cases::Read("tool-tray-menu.txt")) {
        View view;
        view.enabled = c[0] == "true", view.visible = c[1] == "true", view.chosen = std::stoi(c[2]);
        ToolTrayMenu(view, "E&xit").onMenuRequest();
        EXPECT_EQ(view.log, SplitAt(c[3], '|'));
    }
}

TEST(AboutBox, SplashForTwoSecondsWithClicksIgnoredThenTheInformationAndItsLinks) {
    // The About window in memory: what it was told, in order.
    struct : AboutView {
        void setLabelText(int label, const std::string& text) override { labels[label] = text; }
        void showSplashView(bool splash) override { log.push_back(splash ? "splash" : "info"); }
        void setSplashClickable(bool c) override { log.push_back(c ? "clickable" : "not clickable"); }
        void showCentredOnTop() override { log.push_back("shown"); }
        void startSplashTimer(int milliseconds) override { log.push_back("timer " + std::to_string(milliseconds)); }
        WindowHandle windowHandle() override { return nullptr; }
        std::map<int, std::string> labels;
        Texts log;
    } view;
    fakes::FakeShell shell;
    AboutPresenter about{view, shell};
    about.onLoad();
    EXPECT_TRUE(about.splashShown());
    EXPECT_EQ((Texts{view.labels[0], view.labels[1], view.labels[2], view.labels[7]}),
              (Texts{"About HLDS Vantry v3.3.1", "HLDS Vantry v3.3.1", "Please             any bugs you may find.",
                     "report"}));
    about.onSplashElapsed();
    EXPECT_FALSE(about.splashShown());
    // The icon brings the splash back until the next click on it.
    about.onImageClick();
    about.onSplashClick();
    about.onSplashClick();
    for (int label = -1; label <= about::LabelCount; ++label)  // only the four links open anything
        about.onLinkClick(label);
    for (const auto& run : shell.executed)
        view.log.push_back(run.verb + " " + run.file);
    EXPECT_EQ(view.log, (Texts{"splash", "not clickable", "shown", "timer 2000", "info", "clickable", "splash", "info",
                               "Open https://vantry.example.org/report", "Open https://vantry.example.org/commands",
                               "Open mailto:team@vantry.example.org", "Open https://vantry.example.org/"}));
}
