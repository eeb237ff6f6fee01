#include <gtest/gtest.h>

#include <map>

#include "FakePlatform.h"
#include "ui/AboutBox.h"
#include "ui/Chrome.h"
#include "ui/Look.h"

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

TEST(Chrome, TrayMenuMinimizesAVisibleWindowAndRestoresAHiddenOne) {
    EXPECT_EQ(TrayMenuMinCaption(true), "Minimize");
    EXPECT_EQ(TrayMenuMinCaption(false), "Restore");
    EXPECT_EQ(TrayMenuMinChosen("Minimize"), TrayMinAction::Hide);
    EXPECT_EQ(TrayMenuMinChosen("Restore"), TrayMinAction::Show);
    EXPECT_EQ(TrayMenuMinChosen("minimize"), TrayMinAction::None);
}

TEST(Chrome, CentringAndTwips) {
    const auto p = Centred(15360, 11520, 4155, 4125);
    EXPECT_EQ(p.left, 5602);
    EXPECT_EQ(p.top, 3697);
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

namespace {
struct FakeAboutView : AboutView {
    void setLabelText(int label, const std::string& text) override { labels[label] = text; }
    void showSplashView(bool splash) override { views.push_back(splash ? "splash" : "info"); }
    void setSplashClickable(bool clickable) override { this->clickable = clickable; }
    void showCentredOnTop() override { ++shown; }
    WindowHandle windowHandle() override { return reinterpret_cast<WindowHandle>(0x1234); }
    std::map<int, std::string> labels;
    std::vector<std::string> views;
    bool clickable = true;
    int shown = 0;
};

class AboutBoxTest : public ::testing::Test {
protected:
    FakeAboutView view;
    fakes::FakeShell shell;
    fakes::FakeClock clock;
    AboutPresenter about{view, shell, clock};
};
}  // namespace

TEST_F(AboutBoxTest, SplashForTwoSecondsWithClicksIgnoredThenTheInformation) {
    clock.stepMs = 500;
    int unclickableSplashWaits = 0;
    clock.onEvents = [&] { unclickableSplashWaits += about.splashShown() && !view.clickable; };
    about.onLoad();
    EXPECT_EQ(clock.now, 2000u);
    EXPECT_EQ(unclickableSplashWaits, 4);
    EXPECT_FALSE(about.splashShown());
    EXPECT_TRUE(view.clickable);
    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(view.labels[0], "About HLDS Vantry v3.3.1");
    EXPECT_EQ(view.labels[1], "HLDS Vantry v3.3.1");
    EXPECT_EQ(view.labels[2], "Please             any bugs you may find.");
    EXPECT_EQ(view.labels[7], "report");

    about.onImageClick();
    about.onSplashClick();
    EXPECT_EQ(view.views, (std::vector<std::string>{"splash", "info", "splash", "info"}));
}

TEST_F(AboutBoxTest, ClosingDuringTheSplashLeavesTheViewAlone) {
    clock.onEvents = [&] { about.onUnload(); };
    about.onLoad();
    EXPECT_EQ(view.views, std::vector<std::string>{"splash"});
}

TEST_F(AboutBoxTest, OnlyTheFourLinksOpenTheirAddresses) {
    for (int label = 0; label <= 11; ++label)
        about.onLinkClick(label);
    ASSERT_EQ(shell.executed.size(), 4u);
    EXPECT_EQ(shell.executed[0].verb, "Open");
    EXPECT_EQ(shell.executed[0].file, about::ReportAddress);
    EXPECT_EQ(shell.executed[1].file, about::CommandsAddress);
    EXPECT_EQ(shell.executed[2].file.rfind("mailto:", 0), 0u);
    EXPECT_EQ(shell.executed[3].file, about::HomeAddress);
    for (int label = 0; label <= 10; ++label)
        EXPECT_EQ(about::IsLinkLabel(label), label >= 7) << label;
}
