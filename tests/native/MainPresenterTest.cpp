#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "FakePlatform.h"
#include "core/servers/MainPresenter.h"

using namespace vantry;
using Log = std::vector<std::string>;

namespace {

class MainPresenterTest : public ::testing::Test {
protected:
    // Consoles listed as a poll finds them.
    DesktopWindow Console(const std::string& title, bool visible = true) {
        const DesktopWindow h = desktop.add("tty", title, visible);
        main.servers().tChkNew();
        return h;
    }
    // Each entry as caption, with "*" when ticked and "(off)" when greyed; a
    // submenu in brackets, a separator as "-".
    static std::string Describe(const Menu& menu) {
        std::string out;
        for (const MenuItem& item : menu) {
            if (!out.empty())
                out += " | ";
            if (!item.submenu.empty())
                out += item.caption + " [" + Describe(item.submenu) + "]";
            else if (item.isSeparator())
                out += "-";
            else
                out += item.caption + (item.checked ? "*" : "") + (item.enabled ? "" : "(off)");
        }
        return out;
    }

    fakes::FakeDesktopWindows desktop;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeMessageBoxes boxes;
    fakes::FakeShell shell;
    fakes::FakeMainView view;
    int lastPort = 27100;
    MainPresenter main{view, MainServices{settings, desktop, boxes, shell, lastPort}};
};

}  // namespace

TEST_F(MainPresenterTest, TheTrayMenuOffersTheServersOnlyWhenThereAreAny) {
    main.onTrayMenuRequest();
    const char* tail = "Hide All | Unhide All | - | Start Server | CFG Editor | Map Cycle(off) | MOTD(off) | "
                       "Options(off) | - | Report Bug | About | - | Minimize | Exit";
    EXPECT_EQ(Describe(view.menus.back()), tail);

    Console("HLDS - a");
    Console("HLDS - b", false);
    view.visible = false;
    main.onTrayMenuRequest();
    EXPECT_EQ(Describe(view.menus.back()),
              "Servers [HLDS - a* | HLDS - b] | " + std::string(tail).replace(std::string(tail).find("Minimize"), 8, "Restore"));
    // The icon's menu shows what the last tray opening chose, under the icon.
    view.visible = true;
    main.onIconClick();
    EXPECT_EQ(view.menus.back().at(13).caption, "Restore");
    EXPECT_EQ(view.log, (Log{"menu at cursor", "menu at cursor", "menu below icon"}));

    // While a modal window or the About box is open, the tray menu waits, and
    // that window comes forward.
    view.enabled = false;
    main.onTrayMenuRequest();
    EXPECT_EQ(view.menus.size(), 3u);
    EXPECT_EQ(view.log.back(), "activate modal");
}

TEST_F(MainPresenterTest, AServersChoiceTogglesTheConsoleItNamedEvenWhenAPollDroppedAnotherMeanwhile) {
    const DesktopWindow a = Console("HLDS - a");
    const DesktopWindow b = Console("HLDS - b");
    view.chosen = {mainwin::ServerCommand + 1};  // "HLDS - b", second when the menu opened
    view.onMenu = [&] {
        desktop.close(a);
        main.servers().chkAlive();
    };
    main.onTrayMenuRequest();
    EXPECT_FALSE(desktop.find(b)->visible);
    EXPECT_FALSE(view.entries.at(0).ticked);
    ASSERT_EQ(view.entries.size(), 1u);
}

TEST_F(MainPresenterTest, MinimizeAndRestoreGoByTheShowInMode) {
    const struct {
        int mode;
        Log log;
    } cases[] = {
        {0, {"tray icon", "hide", "show", "hide", "show"}},
        {1, {"minimize title", "restore title", "minimize title", "restore title"}},
        {2, {"tray icon", "minimize title", "restore title", "minimize title", "restore title"}},
    };
    for (const auto& c : cases) {
        view.log.clear();
        settings.SetShowIn(c.mode);
        main.onLoad();
        EXPECT_EQ(lastPort, 27014) << "the launcher's first proposal is 27015";
        main.minimize();
        main.onTrayActivate();
        // The tray menu's Minimize, then its Restore once the window is hidden.
        view.visible = true;
        view.chosen = {mainwin::MinCommand};
        main.onTrayMenuRequest();
        view.visible = false;
        view.chosen = {mainwin::MinCommand};
        main.onTrayMenuRequest();
        std::erase_if(view.log, [](const std::string& e) { return e.rfind("menu", 0) == 0; });
        EXPECT_EQ(view.log, c.log) << c.mode;
    }
    // The mode is read afresh each time: the options window may change it.
    settings.SetShowIn(0);
    main.minimize();
    EXPECT_EQ(view.log.back(), "hide");
}

TEST_F(MainPresenterTest, ExitAsksOnlyWhenAConsoleIsHiddenAndNoKeepsTheProgram) {
    Console("HLDS - a");
    main.exit();
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(view.log, Log{"end"});

    Console("HLDS - b", false);
    boxes.answers = {mb::No, mb::Yes};
    main.exit();
    view.chosen = {mainwin::ExitCommand};
    main.onTrayMenuRequest();
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(boxes.calls[0].text, "Exit although you currently have hidden servers?");
    EXPECT_EQ(boxes.calls[0].title, "Exit");
    EXPECT_EQ(boxes.calls[0].style, 36u);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "end"), 2);
}

TEST_F(MainPresenterTest, ClosingStoresThePositionOnlyWhileVisible) {
    view.place = {1440, 720, 4500, 5000};
    view.visible = false;
    main.onUnload();
    EXPECT_TRUE(store.values.empty());
    view.visible = true;
    main.onUnload();
    EXPECT_EQ(store.get("HLDSVantry", "Main", "X"), "1440");
    EXPECT_EQ(store.get("HLDSVantry", "Main", "Y"), "720");

    // Next time it comes back there; with nothing stored, 35 twips from the top, centred.
    EXPECT_EQ(MainWindowPlace(settings, 15360, {0, 0, 4500, 5000}), (Rect{1440, 720, 4500, 5000}));
    store.values.clear();
    EXPECT_EQ(MainWindowPlace(settings, 15360, {0, 0, 4500, 5000}), (Rect{5430, 35, 4500, 5000}));
}

TEST_F(MainPresenterTest, TheListMenuComesBeforeTheDetailsOfTheEntryItPicked) {
    main.onListMouseUp(mouse::Right);
    EXPECT_TRUE(view.menus.empty()) << "no menu on an empty list";

    Console("HLDS - alpha", false);
    view.current = 0;
    view.onMenu = [&] { EXPECT_EQ(view.name1Text, "") << "details after the menu"; };
    view.chosen = {mainwin::HideServerCommand};
    main.onListMouseUp(mouse::Right);
    EXPECT_EQ(Describe(view.menus.back()), "Unhide Server | - | Hide All | Unhide All");
    EXPECT_TRUE(view.entries[0].ticked);
    EXPECT_EQ(view.name2Text, "alpha");
    main.onListMouseUp(mouse::Left);
    EXPECT_EQ(view.menus.size(), 1u);
}

TEST_F(MainPresenterTest, AboutDisablesTheWindowUntilItClosesAndReportBugOpensThePage) {
    view.chosen = {mainwin::AboutCommand};
    main.onTrayMenuRequest();
    main.onAboutClosed();
    view.aboutOpens = false;
    main.onAbout();
    std::erase(view.log, "menu at cursor");
    EXPECT_EQ(view.log, (Log{"disable", "about", "enable", "disable", "about", "enable"}));

    view.chosen = {mainwin::ReportBugCommand};
    main.onIconClick();
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].verb, "Open");
    EXPECT_EQ(shell.executed[0].file, "https://vantry.example.org/report");
    EXPECT_EQ(shell.executed[0].showCommand, ShowNormal);
}
