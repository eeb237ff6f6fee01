#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/platform/Win32Clipboard.h"
#include "win/platform/WideText.h"

using vantry::win::Win32Clipboard;

namespace {

// Read straight from the system, so a round trip through our own class cannot
// hide text that never reached the clipboard as Unicode.
std::string SystemText() {
    if (!OpenClipboard(nullptr))
        return "<not opened>";
    std::string text = "<no CF_UNICODETEXT>";
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = vantry::win::Narrow(static_cast<const wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

}  // namespace

TEST(Win32Clipboard, TextInAnyScriptAndTheEmptyTextGoRoundTrip) {
    for (const std::string text : {"a\xC3\xA9\tb\r\nc \xE6\x9D\xB1\xE4\xBA\xAC", ""}) {
        // The text outlives the window that put it there, as it must when the
        // editor closes before the user pastes elsewhere.
        Win32Clipboard().setText(text);
        EXPECT_EQ(SystemText(), text);
        EXPECT_EQ(Win32Clipboard().text(), text);
    }
}

TEST(Win32Clipboard, AClipboardWithoutTextReadsAsTheEmptyText) {
    Win32Clipboard clipboard;
    clipboard.setText("old");
    const UINT otherFormat = RegisterClipboardFormatA("HLDSVantry.Tests.NotText");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    vantry::win::UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
    if (SetClipboardData(otherFormat, memory.get()))
        memory.release();
    CloseClipboard();
    EXPECT_EQ(clipboard.text(), "");
}
