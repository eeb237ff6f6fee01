#include <gtest/gtest.h>

#include <map>

#include "FakePlatform.h"
#include "core/ui/AboutPresenter.h"

using namespace vantry;

namespace {
struct FakeAboutView : AboutView {
    void setLabelText(int label, const std::string& text) override { labels[label] = text; }
    void showSplashView(bool splash) override { views.push_back(splash ? "splash" : "info"); }
    void setSplashClickable(bool clickable) override { this->clickable = clickable; }
    void showCentredOnTop() override { ++shown; }
    void startSplashTimer(int milliseconds) override { timers.push_back(milliseconds); }
    WindowHandle windowHandle() override { return reinterpret_cast<WindowHandle>(0x1234); }
    std::map<int, std::string> labels;
    std::vector<std::string> views;
    bool clickable = true;
    int shown = 0;
    std::vector<int> timers;
};

class AboutBoxTest : public ::testing::Test {
protected:
    FakeAboutView view;
    fakes::FakeShell shell;
    AboutPresenter about{view, shell};
};
}  // namespace

TEST_F(AboutBoxTest, SplashForTwoSecondsWithClicksIgnoredThenTheInformation) {
    about.onLoad();
    EXPECT_TRUE(about.splashShown());
    EXPECT_FALSE(view.clickable);
    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(view.timers, std::vector<int>{2000});
    EXPECT_EQ(view.labels[0], "About HLDS Vantry v3.3.1");
    EXPECT_EQ(view.labels[1], "HLDS Vantry v3.3.1");
    EXPECT_EQ(view.labels[2], "Please             any bugs you may find.");
    EXPECT_EQ(view.labels[7], "report");

    about.onSplashElapsed();
    EXPECT_FALSE(about.splashShown());
    EXPECT_TRUE(view.clickable);

    // The icon brings the splash back until the next click on it.
    about.onImageClick();
    about.onSplashClick();
    about.onSplashClick();
    EXPECT_EQ(view.views, (std::vector<std::string>{"splash", "info", "splash", "info"}));
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
