#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "platform/Win32Services.h"
#include "ui/AboutWindow.h"
#include "ui/Frame.h"
#include "ui/TitleWindow.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// A frame that records the system move a drag asks for instead of entering
// the modal move loop, and logs its unload.
class ProbeFrame : public win::Frame {
public:
    ProbeFrame(WindowSet& set, std::vector<std::string>* log = nullptr, std::string name = {})
        : Frame(set), log_(log), name_(std::move(name)) {}
    bool load(const std::string& title) {
        win::FrameArgs a;
        a.className = "HLDSVantryProbeFrame";
        a.title = title;
        a.widthTwips = 4500;
        a.heightTwips = 3000;
        a.captionButtons = true;
        if (!createFrame(a))
            return false;
        ShowWindow(hwnd_, SW_SHOW);
        return true;
    }
    void Unload() override {
        if (log_)
            log_->push_back(name_);
        Frame::Unload();
    }
    std::vector<WPARAM> moves;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MOVE) {
            moves.push_back(wp);
            return 0;
        }
        return Frame::handle(msg, wp, lp);
    }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

void Activate(HWND hwnd) {
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    PumpMessages();
}

}  // namespace

TEST(Frame, OnlyTheLeftButtonDragsAndTheWindowTextIsTheTitle) {
    WindowSet set;
    ProbeFrame frame(set);
    ASSERT_TRUE(frame.load("HLDS Vantry v3.3.1"));
    EXPECT_EQ(WindowText(frame.hwnd()), "HLDS Vantry v3.3.1");
    frame.setTitle("Launch Half-Life Dedicated Server ");
    EXPECT_EQ(WindowText(frame.hwnd()), "Launch Half-Life Dedicated Server ");
    HWND label = frame.titleLabel().hwnd();

    SendMessageA(label, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(2, 2));
    SendMessageA(frame.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 150));
    win::Frame::DragWindow(frame.hwnd(), mouse::Right);
    win::Frame::DragWindow(frame.hwnd(), mouse::Middle);
    EXPECT_TRUE(frame.moves.empty());

    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(frame.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 150));
    ASSERT_EQ(frame.moves.size(), 2u);
    EXPECT_EQ(frame.moves[0], static_cast<WPARAM>(0xF012));
}

TEST(Frame, TheActivityLookFollowsTheActiveWindow) {
    WindowSet set;
    ProbeFrame a(set), b(set);
    ASSERT_TRUE(a.load("A"));
    ASSERT_TRUE(b.load("B"));

    Activate(a.hwnd());
    ASSERT_EQ(GetActiveWindow(), a.hwnd());
    EXPECT_EQ(a.titleLabel().colour(), 0x0067F0u);
    EXPECT_EQ(a.picEx().picture(), "EX1");
    EXPECT_EQ(a.picMin().picture(), "MIN1");
    EXPECT_EQ(a.picHelp().picture(), "HELP1");

    Activate(b.hwnd());
    ASSERT_EQ(GetActiveWindow(), b.hwnd());
    EXPECT_EQ(a.titleLabel().colour(), 0x004BAAu);
    EXPECT_EQ(a.picEx().picture(), "EXD");
    EXPECT_EQ(a.picMin().picture(), "MIND");
    EXPECT_EQ(a.picHelp().picture(), "HELPD");
    EXPECT_EQ(b.titleLabel().colour(), 0x0067F0u);
    EXPECT_EQ(b.picEx().picture(), "EX1");

    // Under the mouse the exit button is green whatever the activity.
    SendMessageA(a.picEx().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(a.picEx().shownPicture(), "EX2");
    EXPECT_EQ(a.picEx().picture(), "EXD");

    Activate(a.hwnd());
    EXPECT_EQ(a.titleLabel().colour(), 0x0067F0u);
    EXPECT_EQ(a.picEx().picture(), "EX1");
    EXPECT_EQ(a.picEx().pictureOver(), "EX2");
}

TEST(Frame, TheTrayMenuHidesAndRestores) {
    WindowSet set;
    ProbeFrame frame(set);
    ASSERT_TRUE(frame.load("MOTD Editor"));
    frame.showTrayIcon("MOTD Editor");
    ASSERT_NE(frame.trayIcon(), nullptr);
    EXPECT_TRUE(frame.trayIcon()->shown());
    EXPECT_EQ(frame.trayIcon()->tooltip(), "MOTD Editor");
    frame.trayMenuMinimizeOrRestore("Minimize");
    EXPECT_FALSE(IsWindowVisible(frame.hwnd()));
    frame.trayMenuMinimizeOrRestore("Other");
    EXPECT_FALSE(IsWindowVisible(frame.hwnd()));
    frame.trayMenuMinimizeOrRestore("Restore");
    EXPECT_TRUE(IsWindowVisible(frame.hwnd()));
    frame.Unload();
    EXPECT_FALSE(IsWindow(frame.hwnd()));
}

TEST(Frame, EndProgramHidesTheTitleWindowThenUnloadsNewestFirst) {
    WindowSet set;
    std::vector<std::string> log;
    bool ended = false;
    set.onEmpty = [&] { ended = true; };
    win::TitleWindow title(set);
    ASSERT_TRUE(title.load("HLDS Vantry v3.3.1"));
    ShowWindow(title.hwnd(), SW_SHOWNOACTIVATE);
    ProbeFrame main(set, &log, "main"), launcher(set, &log, "launcher");
    ASSERT_TRUE(main.load("main"));
    ASSERT_TRUE(launcher.load("launcher"));
    bool titleHiddenFirst = false;
    set.EndProgram([&] {
        title.hide();
        titleHiddenFirst = log.empty() && !IsWindowVisible(title.hwnd());
    });
    EXPECT_TRUE(titleHiddenFirst);
    EXPECT_EQ(log, (std::vector<std::string>{"launcher", "main"}));
    EXPECT_FALSE(IsWindow(title.hwnd()));
    EXPECT_TRUE(ended);
}

TEST(TitleWindow, LiesOffScreenWithoutAMoveEntryAndHandsTheFocusOn) {
    WindowSet set;
    win::TitleWindow title(set);
    ASSERT_TRUE(title.load("HLDS Vantry v3.3.1"));
    EXPECT_EQ(WindowText(title.hwnd()), "HLDS Vantry v3.3.1");
    RECT rc;
    GetWindowRect(title.hwnd(), &rc);
    EXPECT_LT(rc.right, 0);
    EXPECT_LT(rc.bottom, 0);
    HMENU menu = GetSystemMenu(title.hwnd(), FALSE);
    EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));

    int handed = 0;
    title.onHandFocus = [&] { ++handed; };
    ShowWindow(title.hwnd(), SW_SHOW);
    Activate(title.hwnd());
    EXPECT_TRUE(WaitFor([&] {
        PumpMessages();
        return handed > 0;
    }));

    // Closed by the user it ends the program; unloaded by the program it does not ask.
    int userCloses = 0;
    title.onUserClose = [&] { ++userCloses; };
    SendMessageA(title.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(userCloses, 1);
    title.Unload();
    EXPECT_EQ(userCloses, 1);
    EXPECT_FALSE(IsWindow(title.hwnd()));
}

TEST(AboutWindow, SplashForTwoSecondsThenInformationAndTheOpenerComesBack) {
    TestHost opener("Opener");
    WindowSet set;
    fakes::FakeShell shell;
    win::Win32Clock clock;
    win::AboutWindow about(set, shell, clock);
    EnableWindow(opener.hwnd(), FALSE);
    about.onClosed = [&] { EnableWindow(opener.hwnd(), TRUE); };

    struct Seen {
        bool splash, clickable, infoHidden;
    };
    static std::vector<Seen> seen;
    static win::AboutWindow* probe = nullptr;
    seen.clear();
    probe = &about;
    const UINT_PTR timer = SetTimer(nullptr, 0, 250, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!probe->splashPanel())
            return;
        // A click on the splash while it may not be dismissed reaches nothing.
        SendMessageA(probe->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 200));
        seen.push_back({probe->splashShown(), IsWindowEnabled(probe->splashPanel()) != FALSE,
                        !IsWindowVisible(probe->label(3).hwnd())});
    });
    const ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(about.load(opener.hwnd()));
    const ULONGLONG elapsed = GetTickCount64() - start;
    KillTimer(nullptr, timer);
    probe = nullptr;

    EXPECT_GE(elapsed, 2000u);
    ASSERT_GE(seen.size(), 3u);
    for (const auto& s : seen) {
        EXPECT_TRUE(s.splash);
        EXPECT_FALSE(s.clickable);
        EXPECT_TRUE(s.infoHidden);
    }
    EXPECT_FALSE(about.splashShown());
    EXPECT_TRUE(IsWindowVisible(about.label(3).hwnd()));
    EXPECT_TRUE(IsWindowEnabled(about.splashPanel()));
    EXPECT_EQ(WindowText(about.hwnd()), "About HLDS Vantry v3.3.1");
    EXPECT_EQ(about.label(1).text(), "HLDS Vantry v3.3.1");
    EXPECT_TRUE(GetWindowLongA(about.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The icon brings the splash back; a click on it dismisses it again.
    SendMessageA(about.hwnd(), WM_COMMAND, MAKEWPARAM(2000, STN_CLICKED),
                 reinterpret_cast<LPARAM>(about.image()));
    EXPECT_TRUE(about.splashShown());
    EXPECT_FALSE(IsWindowVisible(about.picEx().hwnd()));
    SendMessageA(about.splashPanel(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(about.splashShown());
    EXPECT_TRUE(IsWindowVisible(about.picEx().hwnd()));

    // A link opens its address and does not drag.
    SendMessageA(about.hwnd(), WM_COMMAND, MAKEWPARAM(2108, STN_CLICKED),
                 reinterpret_cast<LPARAM>(about.label(8).hwnd()));
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].verb, "Open");
    EXPECT_EQ(shell.executed[0].file, about::CommandsAddress);

    SendMessageA(about.okButton().hwnd(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(about.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(opener.hwnd()));
}
