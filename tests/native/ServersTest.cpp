#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>

#include "FakeCatalogue.h"
#include "FakeDesktop.h"
#include "core/servers/MainPresenter.h"
#include "core/ui/Mouse.h"

using namespace vantry;
using Texts = std::vector<std::string>;
using namespace std::string_literals;

namespace {

class ServersTest : public ::testing::Test, protected fakes::FakeCatalogue {
protected:
    // Consoles listed as a poll finds them.
    DesktopWindow Console(const std::string& title, bool visible = true) {
        const DesktopWindow h = desktop.add("tty", title, visible);
        list.tChkNew();
        return h;
    }
    Texts Entries() const { return view.lstServers_.texts(true); }

    std::string Log() { return fs.readFile("C:\\Vantry\\HLDS Vantry.log").value_or(""); }

    fakes::FakeDesktopWindows desktop;
    fakes::FakeMainView view;
    MainPresenter main{view, MainServices{settings, desktop, boxes, shell, lastPort, fs, processes, clock}};
    ServerList& list = main.servers();
};

TEST_F(ServersTest, FindsConsolesOfAnyClassInWindowOrderButNeverAWindowOfTheProgram) {
    // A real console above the first "tty" stand-in is found too.
    const auto top = desktop.add("WineConsoleClass", "HLDS - gamma");
    const auto a = desktop.add("tty", "HLDS - alpha");
    desktop.add("Notepad", "hlds - lower case");
    // The locate question of this copy or of another: a window of the program.
    desktop.find(desktop.add("#32770", "HLDS.exe"))->ofProgram = true;
    desktop.add("Notepad", "HLDS Vantry v3.3.1");  // another copy of the program
    desktop.add("Other", "HLDSVANTRY");
    const auto hidden = desktop.add("ConsoleWindowClass", "HLDS", false);

    list.tChkNew();
    list.tChkNew();
    EXPECT_EQ(Entries(), (Texts{"HLDS - gamma [x]", "HLDS - alpha [x]", "HLDS [ ]"})) << "each listed once";
    EXPECT_EQ(list.handlesText(),
              std::to_string(top) + "|" + std::to_string(a) + "|" + std::to_string(hidden) + "|");
    EXPECT_FALSE(desktop.find(hidden)->visible) << "a console hidden when found stays hidden";
}

TEST_F(ServersTest, ChkAliveDropsEveryClosedConsoleInOneTickAndTheNamesOnlyWithTheirOwn) {
    // The user picks b and types a new name for it; then consoles close.
    for (const auto& [closing, left, names] :
         {std::tuple<std::string, Texts, std::string>{"acd", {"HLDS - b [x]"}, "HLDS|new name"},
          {"bd", {"HLDS - a [x]", "HLDS - c [x]"}, "|"}}) {
        std::map<char, DesktopWindow> consoles;
        for (const char c : std::string("abcd"))
            consoles[c] = Console(std::string("HLDS - ") + c);
        view.current = 1;
        list.ShowServerDetails();
        view.name2Text = "new name";
        for (const char c : closing)
            desktop.close(consoles[c]);
        list.chkAlive();
        EXPECT_EQ(Entries(), left) << closing;
        std::string handles;
        for (const auto& [c, h] : consoles)
            handles += closing.find(c) == std::string::npos ? std::to_string(h) + "|" : "";
        EXPECT_EQ(std::tuple(list.handlesText(), view.name1Text + "|" + view.name2Text), std::tuple(handles, names))
            << closing;
        for (const auto& [c, h] : consoles)
            desktop.close(h);
        list.chkAlive();
    }
}

TEST_F(ServersTest, DetailsSplitTheTitleAtTheFirstTwoSeparatorsAndRenameKeepsThePrefix) {
    for (const auto& [title, names] : {std::pair{"HLDS - a - b", "HLDS|a"}, {"HLDS-x", "HLDS-x|"},
                                       {"HLDS -    - x", "HLDS|"}, {"HLDS -  my server ", "HLDS| my server "}}) {
        view.entries = {{title, false}};
        view.current = 0;
        list.ShowServerDetails();
        EXPECT_EQ(view.name1Text + "|" + view.name2Text, names) << title;
    }
    EXPECT_EQ(std::tuple(view.hideCaption, view.buttonsEnabled), std::tuple("Un&hide", true)) << "an unticked entry";

    view.entries.clear();
    const auto h = Console("HLDS");
    EXPECT_EQ(view.name2Text, "") << "the new current entry's details";
    view.name2Text = "  de_dust  ";
    list.rename();
    EXPECT_EQ(desktop.find(h)->title + " / " + view.entries[0].text, "HLDS - de_dust / HLDS - de_dust");
    view.name2Text = "   ";
    list.rename();
    EXPECT_EQ(desktop.find(h)->title, "HLDS");
    // A console that does not answer keeps its title, and the list says so.
    desktop.find(h)->hung = true;
    view.name2Text = "office";
    list.rename();
    EXPECT_EQ(desktop.find(h)->title + " / " + view.entries[0].text, "HLDS / HLDS");
}

TEST_F(ServersTest, TogglesAndClicksOnTheMarkShowOrHideAndRefreshTheText) {
    const auto a = Console("HLDS - a");
    const auto b = Console("HLDS - b", false);
    view.current = 0;
    desktop.find(a)->title = "HLDS - a renamed";
    // Which consoles are shown, the Hide button's caption and how often the window took the focus.
    const auto state = [&] {
        return std::string(desktop.find(a)->visible ? "a" : "-") + (desktop.find(b)->visible ? "b " : "- ") +
               view.hideCaption + " " + std::to_string(view.focused);
    };

    list.toggleCurrent();
    EXPECT_EQ(state(), "-- Un&hide 0");
    EXPECT_EQ(Entries(), (Texts{"HLDS - a renamed [ ]", "HLDS - b [ ]"}));
    list.toggleCurrent();
    EXPECT_EQ(state(), "a- &Hide 1");
    list.toggleEntry(1);
    EXPECT_EQ(state(), "ab &Hide 1") << "the tray submenu does not move the focus";
    main.onMenuCommand(mainwin::HideAllCommand);
    EXPECT_EQ(state(), "-- Un&hide 1");
    EXPECT_EQ(Entries(), (Texts{"HLDS - a renamed [ ]", "HLDS - b [ ]"}));
    view.visible = false;
    main.onMenuCommand(mainwin::UnhideAllCommand);
    EXPECT_EQ(state(), "ab &Hide 1") << "no focus for a window hidden in the tray";

    view.entries[0].ticked = false;  // the user's click has already set the mark
    list.onListClick();
    EXPECT_EQ(state() + " " + list.contextMenuHideCaption(), "-b Un&hide 1 Unhide Server");
    view.entries[0].ticked = true;
    desktop.find(a)->title = "HLDS - a again";
    list.onListClick();
    EXPECT_EQ(state() + " " + list.contextMenuHideCaption() + " / " + view.entries[0].text,
              "ab &Hide 2 Hide Server / HLDS - a again");
}

TEST_F(ServersTest, AMarkIsWhatTheConsoleDidAndThePollPutsItRightWhenItChanges) {
    const auto a = Console("HLDS - a");
    const auto b = Console("HLDS - b", false);
    // Neither answers: each stays as it is, whatever it is asked.
    desktop.find(a)->hung = desktop.find(b)->hung = true;
    view.current = 1;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Un&hide", [&] { list.toggleCurrent(); }}, {"&Hide", [&] { list.toggleEntry(0); }},
        {"Un&hide", [&] { view.entries[1].ticked = true; list.onListClick(); }},
        {"Un&hide", [&] { list.hideAll(); }}, {"Un&hide", [&] { list.unhideAll(); }},
    };
    for (const auto& [hideCaption, run] : commands) {
        run();
        EXPECT_EQ(std::tuple(Entries(), view.hideCaption),
                  std::tuple(Texts{"HLDS - a [x]", "HLDS - b [ ]"}, hideCaption));
    }
    // Late, or of their own accord: the next poll marks them as they are.
    desktop.find(a)->visible = false;
    desktop.find(b)->visible = true;
    list.chkAlive();
    EXPECT_EQ(std::tuple(Entries(), view.hideCaption), std::tuple(Texts{"HLDS - a [ ]", "HLDS - b [x]"}, "&Hide"));
}

TEST_F(ServersTest, TheTrayMenuOffersTheServersOnlyWhenThereAreAny) {
    const auto tail = [](const char* min) {
        return "Hide All | Unhide All | - | Start Server | CFG Editor | Map Cycle | MOTD | "
               "Options | - | Report Bug | About | - | " + std::string(min) + " | Exit";
    };
    main.onTrayMenuRequest();
    EXPECT_EQ(fakes::Describe(view.menus.back()), tail("Minimize"));

    Console("HLDS - a");
    Console("HLDS - b", false);
    view.visible = false;
    main.onTrayMenuRequest();
    EXPECT_EQ(fakes::Describe(view.menus.back()), "Servers [HLDS - a* | HLDS - b] | " + tail("Restore"));
    // The icon's menu shows what the last tray opening chose, under the icon.
    view.visible = true;
    main.onIconClick();
    EXPECT_EQ(std::tuple(view.menus.back().at(13).caption, view.log),
              std::tuple("Restore", Texts{"menu at cursor", "menu at cursor", "menu below icon"}));
    view.log.clear();
    for (int command : {mainwin::StartCommand, mainwin::CfgCommand, mainwin::MapCycleCommand, mainwin::MotdCommand,
                        mainwin::OptionsCommand})
        main.onMenuCommand(command);
    EXPECT_EQ(view.log, (Texts{"launcher", "cfg editor", "map cycle editor", "motd editor", "options"}));

    // While a modal window or the About box is open, the tray menu waits, and
    // that window comes forward.
    view.enabled = false;
    main.onTrayMenuRequest();
    EXPECT_EQ(std::tuple(view.menus.size(), view.log.back()), std::tuple(3u, "activate modal"));
}

TEST_F(ServersTest, AServersChoiceTogglesTheConsoleItNamedEvenWhenAPollDroppedAnotherMeanwhile) {
    const DesktopWindow a = Console("HLDS - a");
    const DesktopWindow b = Console("HLDS - b");
    view.onMenu = [&] {
        view.chosen = {view.menus.back().at(0).submenu.at(1).command};  // "HLDS - b"
        desktop.close(a);
        list.chkAlive();
    };
    main.onTrayMenuRequest();
    EXPECT_EQ(std::tuple(desktop.find(b)->visible, Entries()), std::tuple(false, Texts{"HLDS - b [ ]"}));
    // The next menu names only the consoles listed then.
    view.onMenu = nullptr;
    view.chosen = {mainwin::ServerCommand};
    main.onTrayMenuRequest();
    EXPECT_TRUE(desktop.find(b)->visible);
}

TEST_F(ServersTest, MinimizeAndRestoreGoByTheShowInMode) {
    for (const auto& [mode, log] : {std::pair<int, Texts>{0, {"tray icon", "hide", "show", "hide", "show"}},
                                    {1, {"minimize title", "restore title", "minimize title", "restore title"}},
                                    {2, {"tray icon", "minimize title", "restore title", "minimize title",
                                         "restore title"}}}) {
        view.log.clear();
        settings.setShowIn(mode);
        main.onLoad();
        main.minimize();
        main.onTrayActivate();
        // The tray menu's Minimize, then its Restore once the window is hidden.
        for (bool visible : {true, false}) {
            view.visible = visible;
            view.chosen = {mainwin::MinCommand};
            main.onTrayMenuRequest();
        }
        std::erase_if(view.log, [](const std::string& e) { return e.rfind("menu", 0) == 0; });
        EXPECT_EQ(view.log, log) << mode;
    }
    // The mode is read afresh each time: the options window may change it.
    settings.setShowIn(0);
    main.minimize();
    EXPECT_EQ(view.log.back(), "hide");
}

TEST_F(ServersTest, ExitClosesTheToolWindowsFirstThenAsksOnlyWhenAConsoleIsHidden) {
    Console("HLDS - a");
    main.exit();
    // A tool window that stays open (Cancel to its question, a failed save)
    // keeps the program, and nothing more is asked.
    Console("HLDS - b", false);
    view.toolWindowsClose = false;
    main.exit();
    EXPECT_TRUE(boxes.calls.empty());
    // No keeps the program; Yes, from the tray menu too, ends it.
    view.toolWindowsClose = true;
    boxes.answers = {mb::No, mb::Yes};
    main.exit();
    view.chosen = {mainwin::ExitCommand};
    main.onTrayMenuRequest();
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(fakes::Describe(boxes.calls[0]), "Exit / Exit although you currently have hidden servers? / 36");
    EXPECT_EQ(view.log, (Texts{"close tool windows", "end", "close tool windows", "close tool windows", "menu at cursor",
                               "close tool windows", "end"}));
}

TEST_F(ServersTest, ClosingStoresThePositionOnlyWhileVisible) {
    view.place = {1440, 720, 4500, 5000};
    view.visible = false;
    main.onUnload();
    EXPECT_FALSE(store.get(SettingsApp, "Main", "X"));
    view.visible = true;
    main.onUnload();
    // Next time it comes back there; with nothing stored, 35 twips from the top, centred.
    EXPECT_EQ(MainWindowPlace(settings, 15360, {0, 0, 4500, 5000}), (Rect{1440, 720, 4500, 5000}));
    store.values.erase({SettingsApp, "Main", "X"}), store.values.erase({SettingsApp, "Main", "Y"});
    EXPECT_EQ(MainWindowPlace(settings, 15360, {0, 0, 4500, 5000}), (Rect{5430, 35, 4500, 5000}));
}

TEST_F(ServersTest, TheListMenuComesBeforeTheDetailsOfTheEntryItPicked) {
    // On an empty list every command does nothing.
    main.onListMouseUp(mouse::Right);
    EXPECT_TRUE(view.menus.empty()) << "no menu on an empty list";
    list.onListKeyUp(), list.toggleCurrent(), list.hideAll(), list.unhideAll(), list.rename(), list.chkAlive();
    list.toggleEntry(0);
    EXPECT_TRUE(list.contextMenuHideCaption().empty() && !view.buttonsEnabled && view.focused == 0);

    Console("HLDS - alpha", false);
    view.current = 0;
    view.onMenu = [&] { EXPECT_EQ(view.name1Text, "") << "details after the menu"; };
    view.chosen = {mainwin::HideServerCommand};
    main.onListMouseUp(mouse::Right);
    EXPECT_EQ(fakes::Describe(view.menus.back()), "Unhide Server | - | Hide All | Unhide All | - | Restart If It Crashes(off)");
    EXPECT_EQ(std::tuple(Entries(), view.name2Text), std::tuple(Texts{"HLDS - alpha [x]"}, "alpha"));
    main.onListMouseUp(mouse::Left);
    EXPECT_EQ(view.menus.size(), 1u);
}

TEST_F(ServersTest, AboutDisablesTheWindowUntilItClosesAndReportBugOpensThePage) {
    view.chosen = {mainwin::AboutCommand};
    main.onTrayMenuRequest();
    main.onAboutClosed();
    view.aboutOpens = false;
    main.onAbout();
    std::erase(view.log, "menu at cursor");
    EXPECT_EQ(view.log, (Texts{"disable", "about", "enable", "disable", "about", "enable"}));

    view.chosen = {mainwin::ReportBugCommand};
    main.onIconClick();
    ASSERT_EQ(shell.executed.size(), 1u);
    const fakes::ShellCall& run = shell.executed[0];
    EXPECT_EQ(run.verb + " " + run.file + " " + std::to_string(run.showCommand), "Open https://vantry.example.org/report 1");
}

TEST_F(ServersTest, RecordsOfServersGoneAtStartGoWithAnEndLineAndTheLogKeepsItsNewerHalf) {
    WatchdogServices s{settings, fs, processes, clock, desktop};
    const std::uint32_t running = processes.start("x", "C:\\HL\\")->pid;
    settings.setServer(std::to_string(running), "1000\t1\t27015\tC:\\HL\\\tx");
    // Not a record the program wrote: dropped without a line.
    for (const auto& [key, text] : {std::pair<std::string, std::string>{"0", "1\t0\t\t\t"}, {"x", "1\t0\t\t\t"},
                                    {"7", "-1\t0\t\t\t"}, {"7", "1\t2\t\t\t"}, {"7", "1\t0\t\t"}}) {
        settings.setServer(key, text);
        PruneServerRecords(s);
        EXPECT_EQ(settings.serverKeys(), (Texts{std::to_string(running)})) << key << " " << text;
    }
    EXPECT_EQ(Log(), "");
    // The command line is last and whole: it may hold a tab of its own.
    settings.setServer("999", "1\t1\t27016\tC:\\HL\\\t\"hlds.exe\" +x\t\"a b\"");
    clock.local = {2027, 1, 2, 23, 5, 9, -570};
    PruneServerRecords(s);
    const std::string end = "2027-01-02T23:05:09-09:30\tend\t-\t27016\t\"hlds.exe\" +x\t\"a b\"\r\n";
    EXPECT_EQ(Log(), end);

    // Past a megabyte the log keeps what follows the first line end at or
    // after its middle.
    clock.local.offsetMinutes = 0;
    const std::string utc = "2027-01-02T23:05:09+00:00\tend\t-\t27016\t\"hlds.exe\" +x\t\"a b\"\r\n";
    for (const auto& [half, kept] : {std::pair{std::size_t{1} << 19, false}, {(std::size_t{1} << 19) + 1, true}}) {
        const std::string newer = std::string(half - 2 - utc.size(), 'b') + "\r\n";
        fs.writeFile("C:\\Vantry\\HLDS Vantry.log", std::string(half - 2, 'a') + "\r\n" + newer);
        settings.setServer("999", "1\t1\t27016\tC:\\HL\\\t\"hlds.exe\" +x\t\"a b\"");
        PruneServerRecords(s);
        EXPECT_EQ(Log(), (kept ? "" : std::string(half - 2, 'a') + "\r\n") + newer + utc);
    }
}

TEST_F(ServersTest, AWatchedServerThatCrashesIsRestartedWithItsNameUntilItCrashesTooOften) {
    using namespace watchdog;
    // As the launcher records a start; then the console comes.
    const std::string line = "\"C:\\HL\\hlds.exe\"  -game cstrike +port 27016";
    const auto started = processes.start(line, "C:\\HL\\");
    RecordServerStart(settings, fs, clock, {*started, false, "27016", "C:\\HL\\", line});
    DesktopWindow console = desktop.add("tty", "HLDS");
    processes.windows[console] = started->pid;
    main.onNewConsolesTick();
    view.current = 0;
    EXPECT_EQ(fakes::Describe({main.listMenu().back()}), "Restart If It Crashes");
    main.onMenuCommand(mainwin::RestartCommand);
    EXPECT_EQ(fakes::Describe({main.listMenu().back()}), "Restart If It Crashes*");
    EXPECT_EQ(settings.server("100"), "1010\t1\t27016\tC:\\HL\\\t" + line);
    desktop.setTitle(console, "HLDS - de_dust");
    desktop.setVisible(console, false);
    main.onAliveTick();
    const DesktopWindow other = desktop.add("tty", "HLDS");  // another program's, left alone

    // Each crash waits twice as long as the one before.
    const std::int64_t waits[] = {5000, 10000, 20000, 40000};
    for (std::size_t crash = 0; crash < 4; ++crash) {
        SCOPED_TRACE(crash);
        processes.end(processes.nextPid - 1, 0xC0000005);
        desktop.close(console);
        main.onAliveTick();
        clock.now += waits[crash] - 1;
        main.onAliveTick();
        ASSERT_EQ(processes.starts.size(), crash + 1) << "not before its wait";
        clock.now += 1;
        main.onAliveTick();
        ASSERT_EQ(processes.starts.size(), crash + 2);
        EXPECT_EQ(std::tuple(processes.starts.back(), view.log.back(), settings.serverKeys()),
                  std::tuple(line + " @ C:\\HL\\",
                             "warning HLDS Vantry: HLDS - de_dust crashed (0xC0000005) and was restarted.",
                             Texts{std::to_string(processes.nextPid - 1)}));
        // Its console comes back as the old one was: named and hidden.
        console = desktop.add("tty", "HLDS");
        processes.windows[console] = processes.nextPid - 1;
        main.onNewConsolesTick();
        EXPECT_EQ(desktop.title(console) + (desktop.isVisible(console) ? " shown" : ""), "HLDS - de_dust");
    }
    // The fifth crash within ten minutes: given up, and told as an error.
    processes.end(processes.nextPid - 1, 0xC0000005);
    main.onAliveTick();
    EXPECT_EQ(std::tuple(view.log.back(), settings.serverKeys()),
              std::tuple("error HLDS Vantry: HLDS - de_dust crashed 5 times in 10 minutes and was not restarted.",
                         Texts{}));
    EXPECT_EQ(desktop.title(other) + (desktop.isVisible(other) ? " shown" : ""), "HLDS shown");
    const std::string written = Log();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 10) << written;
    for (const std::string& entry : {"\tstart\t-\t27016\t" + line + "\r\n", "\tcrash\t0xC0000005\t27016\t"s,
                                     "\trestart\t-\t27016\t"s, "\tgive-up\t0xC0000005\t27016\t" + line + "\r\n"})
        EXPECT_NE(written.find(entry), std::string::npos) << entry << written;
}

TEST_F(ServersTest, EveryOtherEndIsFinalAndTenMinutesOfRunningPutTheWaitBack) {
    settings.setShowIn(1);  // no tray icon: the taskbar button flashes
    const auto startWatched = [&](bool watched = true) {
        const auto id = processes.start("\"hlds.exe\"", "C:\\HL\\");
        RecordServerStart(settings, fs, clock, {*id, watched, "27015", "C:\\HL\\", "\"hlds.exe\""});
        main.onAliveTick();
        return id->pid;
    };
    // Quit, the console closed, ended from the task manager, or unwatched: never again.
    for (const auto& [code, watched] :
         {std::pair{0u, true}, {0xC000013Au, true}, {0xBFFFFFFFu, true}, {0xC0000005u, false}}) {
        processes.end(startWatched(watched), code);
        main.onAliveTick();
        clock.now += 600000;
        main.onAliveTick();
        EXPECT_EQ(std::tuple(processes.starts.size(), settings.serverKeys()), std::tuple(1u, Texts{})) << code;
        processes.starts.clear();
    }
    // A crash after ten minutes of running waits the first wait again, and the
    // crashes before them count no more. Every exception's status but a closed
    // console's is a crash.
    startWatched();
    for (const auto& [code, wait] : {std::pair{0xC0000000u, 5000}, {0xFFFFFFFFu, 10000}, {0xC0000005u, 20000},
                                    {0xC0000005u, 40000}}) {
        processes.end(processes.nextPid - 1, code);
        main.onAliveTick();
        clock.now += wait;
        main.onAliveTick();
    }
    clock.now += 600000;
    main.onAliveTick();
    processes.end(processes.nextPid - 1, 0xC0000005);
    main.onAliveTick();
    clock.now += 5000;
    main.onAliveTick();
    EXPECT_EQ(std::tuple(processes.starts.size(), view.log.back()), std::tuple(6u, "flash"));
}

}  // namespace
