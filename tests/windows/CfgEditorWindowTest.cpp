#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "DiskCatalogue.h"
#include "FakePlatform.h"
#include "TempDir.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "win/editors/CfgEditorWindow.h"
#include "win/ui/FrameIds.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// The editor over a real Half-Life folder, alone with a file to open.
class CfgEditorWindowTest : public ::testing::Test, protected DiskCatalogue {
protected:
    void SetUp() override {
        CreateDirectoryA((dir / "valve").c_str(), nullptr);
        install(dir.path() + "\\", dir.path() + "\\");
    }
    win::CfgEditorWindow& Open(const std::string& path) {
        editor = std::make_unique<win::CfgEditorWindow>(
            windows, CfgEditorServices{catalogue, lists, clipboard, CfgEditorMode::Alone, path});
        EXPECT_EQ(editor->load(nullptr), LocateResult::Known);
        return *editor;
    }
    HWND Text() const { return GetDlgItem(editor->hwnd(), win::CfgEditorWindow::IdText); }

    TempDir dir;
    fakes::FakeClipboard clipboard;
    WindowSet windows;
    std::unique_ptr<win::CfgEditorWindow> editor;
};

}  // namespace

// What bytes come back from a save is told end to end, through every editor
// (BadInput): here, the title and its tooltip.
TEST_F(CfgEditorWindowTest, TheTitleNamesTheFileAndItsTooltipIsTheWholeTitle) {
    WriteBytes(dir / "valve\\server.cfg", "hostname x\r\n");
    Open(dir / "valve\\server.cfg");
    EXPECT_EQ(WindowText(editor->hwnd()), "CFG Editor - server.cfg");

    // The title may be cut off: its tooltip is the whole of it.
    HWND title = GetDlgItem(editor->hwnd(), win::frame::IdTitle);
    SendMessageW(title, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM found) {
        wchar_t name[64] = {};
        GetClassNameW(w, name, 64);
        if (std::wstring(name) == L"tooltips_class32")
            *reinterpret_cast<HWND*>(found) = w;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr);
    wchar_t text[128] = {};
    TTTOOLINFOW tool{sizeof tool};
    tool.hwnd = editor->hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(title);
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"CFG Editor - server.cfg");
}

TEST_F(CfgEditorWindowTest, TypingMarksTheDocumentAndAFailedSaveKeepsWhatWasTyped) {
    WriteBytes(dir / "valve\\server.cfg", "old\r\n");
    SetFileAttributesA((dir / "valve\\server.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
    Open(dir / "valve\\server.cfg");
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
    EXPECT_TRUE(boxes.calls.empty()) << "no question to close";
    EXPECT_TRUE(IsWindow(editor->hwnd()));
    EXPECT_FALSE(editor->presenter().Save());
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].title, "Error Saving File");
    EXPECT_EQ(WindowText(Text()), "new old");
    EXPECT_EQ(ReadBytes(dir / "valve\\server.cfg"), "old\r\n");

    // The keys and the text box's own menu cut, copy and paste through the program.
    SendMessageA(Text(), EM_SETSEL, 0, 3);
    SendMessageA(Text(), WM_COPY, 0, 0);
    EXPECT_EQ(clipboard.held, "new");
    clipboard.held = "kept";
    SendMessageA(Text(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(Text()), "kept old");

    // The text box counts UTF-16 units, the program bytes of UTF-8: a
    // selection after characters of two, three and four bytes is the same text.
    SendMessageW(Text(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"a\u00E9\u20AC\U0001F600b"));
    SendMessageW(Text(), EM_SETSEL, 1, 5);
    SendMessageW(Text(), WM_COPY, 0, 0);
    EXPECT_EQ(clipboard.held, "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    SendMessageW(Text(), EM_SETSEL, 5, 5);
    clipboard.held = "\xD0\xB6";
    SendMessageW(Text(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(Text()), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xD0\xB6" "b");
}
