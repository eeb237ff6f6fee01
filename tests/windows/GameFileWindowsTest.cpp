#include <gtest/gtest.h>
#include <windows.h>

#include "DiskCatalogue.h"
#include "FakePlatform.h"
#include "TempDir.h"
#include "UiDriver.h"
#include "win/editors/MapCycleEditorWindow.h"
#include "win/editors/MotdEditorWindow.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

using Ids = win::GameFileWindow<MotdEditorView>;

// The editors over a real Half-Life folder with two games, opened from the main window.
class GameFileWindowsTest : public ::testing::Test, protected DiskCatalogue {
protected:
    void SetUp() override {
        CreateDirectoryA((dir / "valve").c_str(), nullptr);
        CreateDirectoryA((dir / "cstrike").c_str(), nullptr);
        install(dir.path() + "\\", program.path() + "\\");
    }
    template <typename Window>
    std::unique_ptr<Window> Open() {
        auto window = std::make_unique<Window>(windows, GameFileServices{catalogue, lists, false});
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

    TempDir dir, program;  // apart, so that the program's games folder is no game
    WindowSet windows;
    std::vector<std::string> log;
};


}  // namespace

TEST_F(GameFileWindowsTest, MotdTypedSavedAndAKeyChangeOfGameAsksOnceAboutTheGameLeft) {
    WriteBytes(dir / "valve\\motd.txt", "v\r\n");
    auto motd = Open<win::MotdEditorWindow>();
    HWND text = Item(*motd, Ids::IdDocument), save = Item(*motd, Ids::IdSave);
    EXPECT_EQ(WindowText(text), "v");
    EXPECT_FALSE(IsWindowEnabled(save));

    SendMessageA(text, WM_CHAR, '!', 1);
    EXPECT_TRUE(IsWindowEnabled(save));
    SendMessageA(save, BM_CLICK, 0, 0);
    EXPECT_EQ(ReadBytes(dir / "valve\\motd.txt"), "!v\r\n");
    EXPECT_FALSE(IsWindowEnabled(save));

    // Up from valve to cstrike: KeyDown, Click, KeyUp, and one question.
    SendMessageA(text, WM_CHAR, '?', 1);
    boxes.answers = {mb::Yes};
    Key(*motd, VK_UP);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Save changes to MOTD.txt for 'valve' before changing to 'cstrike'?");
    EXPECT_EQ(ReadBytes(dir / "valve\\motd.txt"), "!?v\r\n");
    EXPECT_EQ(ReadBytes(dir / "cstrike\\motd.txt"), "\r\n") << "created when first shown";
    EXPECT_EQ(WindowText(text), "");

    SendMessageA(Item(*motd, Ids::IdClose), BM_CLICK, 0, 0);
    EXPECT_EQ(log, std::vector<std::string>{"back to main"});
}

TEST_F(GameFileWindowsTest, MapCycleBuiltWithTheArrowsAndSavedToTheGameItCameFrom) {
    CreateDirectoryA((dir / "valve\\maps").c_str(), nullptr);
    WriteBytes(dir / "valve\\maps\\stalkyard.bsp", "");
    WriteBytes(dir / "valve\\maps\\Crossfire.bsp", "");
    WriteBytes(dir / "valve\\mapcycle.txt", "a\r\n\r\nb\r\n");
    using W = win::MapCycleEditorWindow;
    auto editor = Open<W>();
    HWND maps = Item(*editor, W::IdDocument), cycle = Item(*editor, W::IdCycle), save = Item(*editor, W::IdSave);
    ASSERT_EQ(SendMessageA(maps, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ControlText(Item(*editor, W::IdCycleFrame)), "Map Cycle");
    ASSERT_EQ(SendMessageA(cycle, LB_GETCOUNT, 0, 0), 3) << "the empty line is an entry";

    // crossfire to the end, then up one: a, "", crossfire, b.
    SendMessageA(maps, LB_SETCURSEL, 0, 0);
    SendMessageA(Item(*editor, W::IdAdd), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(cycle, LB_GETCURSEL, 0, 0), 3);
    EXPECT_TRUE(IsWindowEnabled(save));
    SendMessageA(Item(*editor, W::IdMoveUp), BM_CLICK, 0, 0);
    SendMessageA(save, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(save));
    EXPECT_EQ(ReadBytes(dir / "valve\\mapcycle.txt"), "a\r\n\r\ncrossfire\r\nb\r\n");

    // Delete, then leave for cstrike and say Yes: the edits go to valve's file.
    SendMessageA(Item(*editor, W::IdDel), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(cycle, LB_GETCURSEL, 0, 0), 1);
    boxes.answers = {mb::Yes};
    Key(*editor, VK_UP);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(ReadBytes(dir / "valve\\mapcycle.txt"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(SendMessageA(cycle, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(GetFileAttributesA((dir / "cstrike\\mapcycle.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}
