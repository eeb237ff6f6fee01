#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "FakePlatform.h"
#include "core/servers/ServerList.h"

using namespace vantry;
using fakes::FakeDesktopWindows;
using fakes::FakeMainView;

namespace {

class ServerListTest : public ::testing::Test {
protected:
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& e : view.entries)
            texts.push_back(e.text + (e.ticked ? " [x]" : " [ ]"));
        return texts;
    }
    FakeDesktopWindows desktop;
    FakeMainView view;
    ServerList list{view, desktop};
};

}  // namespace

TEST_F(ServerListTest, FindsConsolesOfAnyClassInWindowOrderButNeverItsOwnWindows) {
    // A real console above the first "tty" stand-in is found too.
    const auto top = desktop.add("WineConsoleClass", "HLDS - gamma");
    const auto a = desktop.add("tty", "HLDS - alpha");
    desktop.add("Notepad", "hlds - lower case");
    desktop.add("#32770", "HLDS.exe");
    desktop.find(top + 3)->ownProcess = true;  // the program's own locate question
    desktop.add("Notepad", "HLDS Vantry v3.3.1");  // another copy of the program
    desktop.add("Other", "HLDSVANTRY");
    const auto hidden = desktop.add("ConsoleWindowClass", "HLDS", false);

    list.tChkNew();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"HLDS - gamma [x]", "HLDS - alpha [x]", "HLDS [ ]"}));
    EXPECT_EQ(list.handlesText(),
              std::to_string(top) + "|" + std::to_string(a) + "|" + std::to_string(hidden) + "|");
    EXPECT_FALSE(desktop.find(hidden)->visible) << "a console hidden when found stays hidden";
    const Menu menu = list.BuildServerMenu(1000);
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[1].caption, "HLDS - alpha");
    EXPECT_EQ(menu[2].command, 1002);
    EXPECT_TRUE(menu[0].checked);
    EXPECT_FALSE(menu[2].checked);

    list.tChkNew();
    EXPECT_EQ(view.entries.size(), 3u) << "never listed twice";
}

TEST_F(ServerListTest, ChkAliveDropsOneClosedConsoleATick) {
    const auto a = desktop.add("tty", "HLDS - a");
    const auto b = desktop.add("tty", "HLDS - b");
    desktop.add("tty", "HLDS - c");
    list.tChkNew();
    view.current = 0;
    list.ShowServerDetails();
    desktop.close(a);
    desktop.close(b);
    list.chkAlive();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"HLDS - b [x]", "HLDS - c [x]"}));
    EXPECT_EQ(view.name1Text + view.name2Text, "") << "the shown details were of the closed one";
    list.chkAlive();
    list.chkAlive();
    EXPECT_EQ(Texts(), std::vector<std::string>{"HLDS - c [x]"});
    EXPECT_EQ(list.handlesText(), std::to_string(a + 2) + "|");
}

TEST_F(ServerListTest, DetailsSplitTheTitleAtTheFirstTwoSeparators) {
    const struct {
        const char *title, *name1, *name2;
    } cases[] = {
        {"HLDS - a - b", "HLDS", "a"},
        {"HLDS-x", "HLDS-x", ""},
        {"HLDS -    - x", "HLDS", ""},
        {"HLDS -  my server ", "HLDS", " my server "},
    };
    for (const auto& c : cases) {
        view.entries = {{c.title, false}};
        view.current = 0;
        list.ShowServerDetails();
        EXPECT_EQ(view.name1Text, c.name1) << c.title;
        EXPECT_EQ(view.name2Text, c.name2) << c.title;
    }
    EXPECT_EQ(view.hideCaption, "Un&hide") << "for an unticked entry";
    EXPECT_TRUE(view.buttonsEnabled);
}

TEST_F(ServerListTest, RenameTrimsTheNameAndKeepsThePrefix) {
    const auto h = desktop.add("tty", "HLDS");
    list.tChkNew();
    view.current = 0;
    view.name2Text = "  de_dust  ";
    list.rename();
    EXPECT_EQ(desktop.find(h)->title, "HLDS - de_dust");
    EXPECT_EQ(view.entries[0].text, "HLDS - de_dust");
    view.name2Text = "   ";
    list.rename();
    EXPECT_EQ(desktop.find(h)->title, "HLDS");
}

TEST_F(ServerListTest, TogglesAndClicksOnTheMarkShowOrHideAndRefreshTheText) {
    const auto a = desktop.add("tty", "HLDS - a");
    const auto b = desktop.add("tty", "HLDS - b", false);
    list.tChkNew();
    view.current = 0;
    desktop.find(a)->title = "HLDS - a renamed by itself";

    list.toggleCurrent();
    EXPECT_FALSE(desktop.find(a)->visible);
    EXPECT_EQ(Texts()[0], "HLDS - a renamed by itself [ ]");
    EXPECT_EQ(view.hideCaption, "Un&hide");
    EXPECT_EQ(view.focused, 0);
    list.toggleCurrent();
    EXPECT_TRUE(desktop.find(a)->visible);
    EXPECT_EQ(view.hideCaption, "&Hide");
    EXPECT_EQ(view.focused, 1);

    list.toggleEntry(1);
    EXPECT_TRUE(desktop.find(b)->visible);
    EXPECT_EQ(view.focused, 1) << "the tray submenu does not move the focus";

    list.hideAll();
    EXPECT_FALSE(desktop.find(a)->visible || desktop.find(b)->visible);
    EXPECT_FALSE(view.entries[0].ticked || view.entries[1].ticked);
    view.visible = false;
    list.unhideAll();
    EXPECT_TRUE(desktop.find(a)->visible && desktop.find(b)->visible);
    EXPECT_EQ(view.focused, 1) << "no focus for a window hidden in the tray";

    view.entries[0].ticked = false;  // the user's click has already set the mark
    list.onListClick();
    EXPECT_FALSE(desktop.find(a)->visible);
    EXPECT_EQ(list.contextMenuHideCaption(), "Unhide Server");
    view.entries[0].ticked = true;
    list.onListClick();
    EXPECT_TRUE(desktop.find(a)->visible);
    EXPECT_EQ(list.contextMenuHideCaption(), "Hide Server");
    EXPECT_EQ(view.focused, 2);
}

TEST_F(ServerListTest, EveryCommandOnAnEmptyListDoesNothing) {
    list.onListClick();
    list.onListKeyUp();
    list.toggleCurrent();
    list.toggleEntry(0);
    list.hideAll();
    list.unhideAll();
    list.rename();
    list.chkAlive();
    EXPECT_EQ(list.contextMenuHideCaption(), "");
    EXPECT_TRUE(list.BuildServerMenu(1000).empty());
    EXPECT_FALSE(view.buttonsEnabled);
    EXPECT_EQ(view.focused, 0);
}
