#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "win/ui/AboutWindow.h"
#include "win/ui/Frame.h"
#include "win/ui/TitleWindow.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// A frame that records the system move a drag asks for instead of entering
// the modal move loop, and logs its unload.
class ProbeFrame : public win::Frame {
public:
    explicit ProbeFrame(WindowSet& set) : Frame(set) {}
    bool load(const std::string& title) {
        win::FrameArgs a;
        a.className = L"HLDSVantryProbeFrame";
        a.title = title;
        a.widthTwips = 4500;
        a.heightTwips = 3000;
        a.captionButtons = true;
        if (!createFrame(a))
            return false;
        ShowWindow(hwnd_, SW_SHOW);
        return true;
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
    Activate(b.hwnd());
    ASSERT_EQ(GetActiveWindow(), b.hwnd());
    EXPECT_EQ((std::vector<std::string>{a.picEx().picture(), a.picMin().picture(), a.picHelp().picture()}),
              (std::vector<std::string>{"EXD", "MIND", "HELPD"}));
    EXPECT_EQ(a.titleLabel().colour(), 0x004BAAu);
    EXPECT_EQ(b.titleLabel().colour(), 0x0067F0u);
    EXPECT_EQ(b.picEx().picture(), "EX1");
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
    title.unload();
    EXPECT_EQ(userCloses, 1);
    EXPECT_FALSE(IsWindow(title.hwnd()));
}

TEST(AboutWindow, TheSplashTimerShowsTheInformationAndClosingEnablesTheOpener) {
    TestHost opener("Opener");
    WindowSet set;
    fakes::FakeShell shell;
    win::AboutWindow about(set, shell);
    EnableWindow(opener.hwnd(), FALSE);
    about.onClosed = [&] { EnableWindow(opener.hwnd(), TRUE); };
    ASSERT_TRUE(about.load(opener.hwnd()));
    EXPECT_TRUE(about.splashShown());
    EXPECT_FALSE(IsWindowVisible(about.label(3).hwnd()));
    EXPECT_FALSE(IsWindowEnabled(about.splashPanel())) << "the splash may not be dismissed yet";
    EXPECT_TRUE(GetWindowLongA(about.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    SendMessageA(about.hwnd(), WM_TIMER, 1, 0);  // the splash timer
    EXPECT_FALSE(about.splashShown());
    EXPECT_TRUE(IsWindowVisible(about.label(3).hwnd()));
    EXPECT_TRUE(IsWindowEnabled(about.splashPanel()));
    EXPECT_EQ(WindowText(about.hwnd()), "About HLDS Vantry v3.3.1");

    // A click on the icon brings the splash back: the press lands on the icon,
    // the release on the splash that now covers the same point, and it stays
    // until a click of its own.
    RECT icon;
    GetWindowRect(about.image(), &icon);
    POINT at{icon.left + 3, icon.top + 3};
    ScreenToClient(about.hwnd(), &at);
    SendMessageA(about.image(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_TRUE(about.splashShown());
    HWND under = ChildWindowFromPointEx(about.hwnd(), at, CWP_SKIPINVISIBLE);
    ASSERT_EQ(under, about.splashPanel());
    SendMessageA(under, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(about.splashShown());
    SendMessageA(under, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(under, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_FALSE(about.splashShown());

    // A link opens its address and does not drag.
    SendMessageA(about.hwnd(), WM_COMMAND, MAKEWPARAM(2108, STN_CLICKED),
                 reinterpret_cast<LPARAM>(about.label(8).hwnd()));
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, about::CommandsAddress);

    SendMessageA(about.okButton().hwnd(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(about.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(opener.hwnd()));
}
