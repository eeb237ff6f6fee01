// The program's windows on their own, in this process, against the real
// system and fakes of the rest: what each window itself decides.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeCatalogue.h"
#include "FakeDesktop.h"
#include "Processes.h"
#include "TempDir.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "core/catalogue/GameCatalogue.h"
#include "win/editors/CfgEditorWindow.h"
#include "win/editors/MapCycleEditorWindow.h"
#include "win/editors/MotdEditorWindow.h"
#include "win/platform/Win32FileSystem.h"
#include "win/servers/MainWindow.h"
#include "win/ui/Frame.h"
#include "win/ui/FrameIds.h"

using namespace vantry;
using namespace vantry::testutil;
using Ids = win::GameFileWindow<MotdEditorView>;

namespace {

// The window with the tray only (ShowIn 0): no owner, its own tray icon.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.settings.setShowIn(0);
        ASSERT_TRUE(window.load(nullptr));
        window.onEndProgram = [this] { window.unload(); };
        ShowWindow(window.hwnd(), SW_SHOW);
        PumpMessages();  // the tray icon comes just after the load
    }

    fakes::FakeCatalogue c;
    fakes::FakeDesktopWindows desktop;
    WindowSet windows;
    win::MainWindow window{windows,
                           MainServices{c.settings, desktop, c.boxes, c.shell, c.lastPort, c.fs, c.processes, c.clock}};
};

// The editors over a real Half-Life folder with two games, the program's
// folder apart, so that its games folder is no game.
class EditorWindowsTest : public ::testing::Test {
protected:
    // hlds.exe and the program where the settings say, so that nothing asks
    // where they are.
    void SetUp() override {
        MakeDirectory(dir / "valve");
        MakeDirectory(dir / "cstrike");
        WriteBytes(dir / "hlds.exe", "MZ");
        WriteBytes(program / "HLDS Vantry.exe", "MZ");
        c.settings.setHLdir(dir.path() + "\\");
        c.settings.setHLexe("hlds.exe");
        c.settings.setHLDSdir(program.path() + "\\");
        c.settings.setHLDSexe("HLDS Vantry.exe");
    }
    // The configuration editor alone, with a file to open.
    void OpenCfg(const std::string& path) {
        editor = std::make_unique<win::CfgEditorWindow>(
            windows, CfgEditorServices{catalogue, c.lists, c.clipboard, CfgEditorMode::Alone, path});
        EXPECT_EQ(editor->load(nullptr), LocateResult::Known);
    }
    HWND Text() const { return GetDlgItem(editor->hwnd(), win::CfgEditorWindow::IdText); }
    // The MOTD or map cycle editor, opened from the main window.
    template <typename Window>
    std::unique_ptr<Window> Open() {
        auto window = std::make_unique<Window>(windows, GameFileServices{catalogue, c.lists, false});
        window->onClosedToMain = [this] { log.push_back("back to main"); };
        EXPECT_EQ(window->load(nullptr), LocateResult::Known);
        EXPECT_TRUE(IsWindowVisible(window->hwnd()));
        return window;
    }
    HWND Item(const win::Frame& window, int id) const { return GetDlgItem(window.hwnd(), id); }
    // A key on the game selector, down and up, as the keyboard sends it.
    void Key(const win::Frame& window, int key) {
        HWND combo = FindWindowExA(Item(window, Ids::IdGame), nullptr, "ComboBox", nullptr);
        SendMessageA(combo, WM_KEYDOWN, key, 1);
        SendMessageA(combo, WM_KEYUP, key, 0xC0000001);
    }

    TempDir dir, program;
    // What a window's catalogue rebuild reaches, on the real disk; the
    // settings, registry, dialogs and boxes in memory.
    win::Win32FileSystem fs;
    fakes::FakeCatalogue c;
    CatalogueServices catalogue{c.settings, fs, c.registry, c.dialogs, c.boxes, ""};
    WindowSet windows;
    std::unique_ptr<win::CfgEditorWindow> editor;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(MainWindowTest, TrayOnlyHidesToItsIconComesBackFromItAndItsMenuActivatesAModalWindow) {
    ASSERT_NE(window.trayIcon(), nullptr);
    EXPECT_TRUE(window.trayIcon()->shown());
    EXPECT_EQ(window.trayIcon()->tooltip(), "HLDS Vantry v3.3.1");
    SendMessageA(window.picMin().hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    window.trayIcon()->onActivate();
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));

    // The tray menu while a modal window is open activates that window.
    // What the About box or a tool window does: owned, active, the main window disabled.
    HWND modal = CreateWindowExA(0, "STATIC", "Modal", WS_POPUP | WS_VISIBLE, 50, 50, 100, 50, window.hwnd(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    EnableWindow(window.hwnd(), FALSE);
    SetForegroundWindow(modal);
    PumpMessages();
    SendMessageA(window.trayIcon()->messageWindow(), win::TrayIcon::CallbackMessage, win::TrayIcon::IconId,
                 WM_CONTEXTMENU);
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), modal);
    EnableWindow(window.hwnd(), TRUE);
    DestroyWindow(modal);
}

// What bytes come back from a save is told end to end, through every editor
// (BadInput): here, the title and its tooltip.
TEST_F(EditorWindowsTest, TheCfgEditorsTitleNamesTheFileAndItsTooltipIsTheWholeTitle) {
    WriteBytes(dir / "valve\\server.cfg", "hostname x\r\n");
    OpenCfg(dir / "valve\\server.cfg");
    EXPECT_EQ(WindowText(editor->hwnd()), "CFG Editor - server.cfg");

    // The title may be cut off: its tooltip is the whole of it.
    HWND title = GetDlgItem(editor->hwnd(), win::frame::IdTitle);
    SendMessageW(title, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    const auto tips = WindowsOf(GetCurrentProcessId(), "tooltips_class32");
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(TipText(tips[0], editor->hwnd(), title), "CFG Editor - server.cfg");
}

// What a save keeps is the core's (CfgEditorTest); here, what the text box
// and the window's keys do.
TEST_F(EditorWindowsTest, TypingMarksTheCfgEditorsDocumentEscClosesNothingAndTheClipboardSeesUtf8) {
    WriteBytes(dir / "valve\\server.cfg", "old\r\n");
    OpenCfg(dir / "valve\\server.cfg");
    SendMessageA(Text(), EM_SETSEL, 0, 0);
    for (char c : std::string("new "))
        SendMessageA(Text(), WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_TRUE(editor->presenter().changed());
    // Esc, through the loop's dialog keys, closes nothing: in the text box,
    // nor on a button, where a closed menu leaves the focus.
    for (HWND focus : {Text(), GetDlgItem(editor->hwnd(), win::CfgEditorWindow::IdFile)}) {
        SetFocus(focus);
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PumpMessages();
    }
    EXPECT_TRUE(c.boxes.calls.empty()) << "no question to close";
    EXPECT_TRUE(IsWindow(editor->hwnd()));

    // The keys and the text box's own menu cut, copy and paste through the program.
    SendMessageA(Text(), EM_SETSEL, 0, 3);
    SendMessageA(Text(), WM_COPY, 0, 0);
    EXPECT_EQ(c.clipboard.held, "new");
    c.clipboard.held = "kept";
    SendMessageA(Text(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(Text()), "kept old");

    // The text box counts UTF-16 units, the program bytes of UTF-8: a
    // selection after characters of two, three and four bytes is the same text.
    SendMessageW(Text(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"a\u00E9\u20AC\U0001F600b"));
    SendMessageW(Text(), EM_SETSEL, 1, 5);
    SendMessageW(Text(), WM_COPY, 0, 0);
    EXPECT_EQ(c.clipboard.held, "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    SendMessageW(Text(), EM_SETSEL, 5, 5);
    c.clipboard.held = "\xD0\xB6";
    SendMessageW(Text(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(Text()), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xD0\xB6" "b");
}

TEST_F(EditorWindowsTest, MotdTypedSavedAndAKeyChangeOfGameAsksOnceAboutTheGameLeft) {
    WriteBytes(dir / "valve\\motd.txt", "v\r\n");
    auto motd = Open<win::MotdEditorWindow>();
    HWND text = Item(*motd, Ids::IdDocument), save = Item(*motd, Ids::IdSave);
    EXPECT_FALSE(IsWindowEnabled(save));

    SendMessageA(text, WM_CHAR, '!', 1);
    EXPECT_TRUE(IsWindowEnabled(save));
    SendMessageA(save, BM_CLICK, 0, 0);
    EXPECT_EQ(ReadBytes(dir / "valve\\motd.txt"), "!v\r\n");
    EXPECT_FALSE(IsWindowEnabled(save));

    // Up from valve to cstrike: KeyDown, Click, KeyUp, and one question.
    SendMessageA(text, WM_CHAR, '?', 1);
    c.boxes.answers = {mb::Yes};
    Key(*motd, VK_UP);
    // The question and what is written where are the core's (GameFileEditorsTest).
    EXPECT_EQ(c.boxes.calls.size(), 1u);
    EXPECT_EQ(ReadBytes(dir / "valve\\motd.txt"), "!?v\r\n");
    EXPECT_EQ(WindowText(text), "");

    SendMessageA(Item(*motd, Ids::IdClose), BM_CLICK, 0, 0);
    EXPECT_EQ(log, std::vector<std::string>{"back to main"});
}

TEST_F(EditorWindowsTest, MapCycleBuiltWithTheArrowsAndSaved) {
    MakeDirectory(dir / "valve\\maps");
    WriteBytes(dir / "valve\\maps\\stalkyard.bsp", "");
    WriteBytes(dir / "valve\\maps\\Crossfire.bsp", "");
    WriteBytes(dir / "valve\\mapcycle.txt", "a\r\n\r\nb\r\n");
    using W = win::MapCycleEditorWindow;
    auto editor = Open<W>();
    EXPECT_EQ(ControlText(Item(*editor, W::IdCycleFrame)), "Map Cycle");

    // crossfire to the end, then up one: a, "", crossfire, b.
    SendMessageA(Item(*editor, W::IdDocument), LB_SETCURSEL, 0, 0);
    for (const int button : std::initializer_list<int>{W::IdAdd, W::IdMoveUp, W::IdSave})
        SendMessageA(Item(*editor, button), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadBytes(dir / "valve\\mapcycle.txt"), "a\r\n\r\ncrossfire\r\nb\r\n");
    // Del and a change of game are the shared game file window's, as the MOTD
    // editor's above, and BadInput deletes a map end to end.
}
