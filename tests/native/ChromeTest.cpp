#include <gtest/gtest.h>

#include <map>

#include "FakePlatform.h"
#include "ui/AboutBox.h"
#include "ui/Chrome.h"
#include "ui/Look.h"

using namespace vantry;

TEST(ActivityLook, TitleColourFollowsEveryChangePicturesOnlyTransitions) {
    ActivityLook look;
    // Starting inactive: dim title, but the normal pictures stay until once active.
    auto u = look.onActivity(false);
    EXPECT_EQ(u.titleColour, 0x004BAAu);
    EXPECT_FALSE(u.pictures);

    u = look.onActivity(true);
    EXPECT_EQ(u.titleColour, 0x0067F0u);
    ASSERT_TRUE(u.pictures);
    EXPECT_EQ(u.pictures->exit, "EX1");
    EXPECT_EQ(u.pictures->minimize, "MIN1");
    EXPECT_EQ(u.pictures->help, "HELP1");

    EXPECT_FALSE(look.onActivity(true).pictures);

    u = look.onActivity(false);
    EXPECT_EQ(u.titleColour, 0x004BAAu);
    ASSERT_TRUE(u.pictures);
    EXPECT_EQ(u.pictures->exit, "EXD");
    EXPECT_EQ(u.pictures->minimize, "MIND");
    EXPECT_EQ(u.pictures->help, "HELPD");
    EXPECT_FALSE(look.onActivity(false).pictures);
}

TEST(Chrome, OnlyTheLeftButtonDrags) {
    EXPECT_TRUE(StartsDrag(mouse::Left));
    EXPECT_FALSE(StartsDrag(mouse::Right));
    EXPECT_FALSE(StartsDrag(mouse::Middle));
    EXPECT_FALSE(StartsDrag(0));
}

TEST(Chrome, TrayMenuMinimizesAVisibleWindowAndRestoresAHiddenOne) {
    EXPECT_EQ(TrayMenuMinCaption(true), "Minimize");
    EXPECT_EQ(TrayMenuMinCaption(false), "Restore");
    EXPECT_EQ(TrayMenuMinChosen("Minimize"), TrayMinAction::Hide);
    EXPECT_EQ(TrayMenuMinChosen("Restore"), TrayMinAction::Show);
    EXPECT_EQ(TrayMenuMinChosen("minimize"), TrayMinAction::None);
    EXPECT_EQ(TrayMenuMinChosen(""), TrayMinAction::None);
}

TEST(Chrome, CentringAndTwips) {
    const auto p = Centred(15360, 11520, 4155, 4125);
    EXPECT_EQ(p.left, 5602);
    EXPECT_EQ(p.top, 3697);
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(310, 96), 21);   // 20.67
    EXPECT_EQ(TwipsToPixels(310, 144), 31);  // 31.0
    EXPECT_EQ(TwipsToPixels(15, 96), 1);     // a frame strip never vanishes at 96 DPI
    EXPECT_EQ(TwipsToPixels(-100, 96), -7);  // off-screen positions round symmetrically
    EXPECT_DOUBLE_EQ(PixelsToTwips(96, 96), 1440.0);
    EXPECT_EQ(PictureScale(96), 1);
    EXPECT_EQ(PictureScale(120), 1);
    EXPECT_EQ(PictureScale(144), 2);
    EXPECT_EQ(PictureScale(192), 2);
    EXPECT_EQ(PictureScale(288), 3);
}

namespace {
struct RecordingWindow : ProgramWindow {
    RecordingWindow(WindowSet& set, std::vector<std::string>& log, std::string name)
        : set(set), log(log), name(std::move(name)) {}
    void Unload() override {
        log.push_back(name);
        set.Unloaded(this);
    }
    WindowSet& set;
    std::vector<std::string>& log;
    std::string name;
};
}  // namespace

TEST(WindowSet, EndProgramHidesTheTitleThenUnloadsNewestFirst) {
    WindowSet set;
    std::vector<std::string> log;
    int emptied = 0;
    set.onEmpty = [&] { ++emptied; };
    RecordingWindow main(set, log, "main"), title(set, log, "title"), launcher(set, log, "launcher");
    set.Loaded(&main);
    set.Loaded(&title);
    set.Loaded(&launcher);
    set.Loaded(&main);  // loading twice does not reorder
    set.EndProgram([&] { log.push_back("hide title"); });
    EXPECT_EQ(log, (std::vector<std::string>{"hide title", "launcher", "title", "main"}));
    EXPECT_EQ(set.Count(), 0u);
    EXPECT_EQ(emptied, 1);
}

TEST(WindowSet, AWindowThatForgetsToSayItIsGoneIsStillDropped) {
    WindowSet set;
    struct Silent : ProgramWindow {
        void Unload() override { ++unloads; }
        int unloads = 0;
    } a, b;
    set.Loaded(&a);
    set.Loaded(&b);
    set.Unloaded(&a);
    EXPECT_FALSE(set.IsLoaded(&a));
    set.EndProgram({});
    EXPECT_EQ(a.unloads, 0);
    EXPECT_EQ(b.unloads, 1);
    EXPECT_EQ(set.Count(), 0u);
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
}  // namespace

TEST(AboutBox, SplashForTwoSecondsWithClicksIgnoredThenTheInformation) {
    FakeAboutView view;
    fakes::FakeShell shell;
    fakes::FakeClock clock;
    clock.stepMs = 500;
    AboutPresenter about(view, shell, clock);
    std::vector<std::pair<bool, bool>> duringWait;  // splash shown, clickable
    clock.onEvents = [&] { duringWait.emplace_back(about.splashShown(), view.clickable); };
    about.onLoad();
    EXPECT_EQ(clock.now, 2000u);
    ASSERT_EQ(duringWait.size(), 4u);
    for (auto [splash, clickable] : duringWait) {
        EXPECT_TRUE(splash);
        EXPECT_FALSE(clickable);
    }
    EXPECT_FALSE(about.splashShown());
    EXPECT_TRUE(view.clickable);
    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(view.labels[0], "About HLDS Vantry v3.3.1");
    EXPECT_EQ(view.labels[1], "HLDS Vantry v3.3.1");
    EXPECT_EQ(view.labels[2], "Please             any bugs you may find.");
    EXPECT_EQ(view.labels[7], "report");

    about.onImageClick();
    EXPECT_TRUE(about.splashShown());
    about.onSplashClick();
    EXPECT_FALSE(about.splashShown());
    EXPECT_EQ(view.views, (std::vector<std::string>{"splash", "info", "splash", "info"}));
}

TEST(AboutBox, ClosingDuringTheSplashLeavesTheViewAlone) {
    FakeAboutView view;
    fakes::FakeShell shell;
    fakes::FakeClock clock;
    AboutPresenter about(view, shell, clock);
    clock.onEvents = [&] { about.onUnload(); };
    about.onLoad();
    EXPECT_EQ(view.views, std::vector<std::string>{"splash"});
}

TEST(AboutBox, LinksOpenTheirAddressesWithTheBoxAsOwner) {
    FakeAboutView view;
    fakes::FakeShell shell;
    fakes::FakeClock clock;
    AboutPresenter about(view, shell, clock);
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
