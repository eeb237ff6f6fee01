#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "TempDir.h"
#include "UiDriver.h"
#include "win/platform/Win32FileDialogs.h"
#include "core/text/Text.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// The file-name field of the common file dialog: the combo box of the Explorer
// style dialog, or the plain edit of the old one.
void TypeFileName(HWND dialog, const std::string& name) {
    HWND field = GetDlgItem(dialog, 0x47C);
    if (!field)
        field = GetDlgItem(dialog, 0x480);
    ASSERT_NE(field, nullptr);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

}  // namespace

TEST(Win32FileDialogs, CancelGivesTheEmptyTextAndOpenTheTypedExistingFile) {
    TempDir dir;
    WriteBytes(dir / "hlds.exe", "MZ");
    UserThread user([&] {
        HWND dialog = WaitForDialog("Open Config");
        ASSERT_NE(dialog, nullptr);
        PressButton(dialog, IDCANCEL);
        dialog = WaitForDialog("Locate HLDS.exe");
        ASSERT_NE(dialog, nullptr);
        TypeFileName(dialog, dir / "hlds.exe");
        PressButton(dialog, IDOK);
    });
    win::Win32FileDialogs dialogs;
    EXPECT_EQ(dialogs.showOpen(nullptr, "CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*|", "Open Config", ""), "");
    const std::string chosen = dialogs.showOpen(
        nullptr, "HLDS.exe (hlds.exe)|hlds.exe|EXE Files (*.exe)|*.exe", "Locate HLDS.exe", dir.path());
    user.join();
    EXPECT_TRUE(EqualsIgnoreCase(chosen, dir / "hlds.exe")) << chosen;
}

TEST(Win32FileDialogs, SaveAsksBeforeOverwritingAndAddsNoExtensionToANewName) {
    TempDir dir;
    WriteBytes(dir / "server.cfg", "old");
    UserThread user([&] {
        HWND dialog = WaitForDialog("Save Config As");
        ASSERT_NE(dialog, nullptr);
        TypeFileName(dialog, dir / "server.cfg");
        PressButton(dialog, IDOK);
        HWND question = WaitForOwnedDialog(dialog);
        ASSERT_NE(question, nullptr) << "nothing asked before overwriting";
        PressButton(question, IDNO);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
        TypeFileName(dialog, dir / "server");
        PressButton(dialog, IDOK);
        // Windows asks before creating a new file; Wine's dialog does not.
        WaitFor([&] {
            question = WaitForOwnedDialog(dialog, std::chrono::milliseconds(0));
            return question != nullptr || !IsWindow(dialog);
        });
        if (question)
            PressButton(question, IDYES);
    });
    win::Win32FileDialogs dialogs;
    const std::string chosen =
        dialogs.showSave(nullptr, "CFG Files (*.cfg)|*.cfg", "Save Config As", dir.path());
    user.join();
    EXPECT_TRUE(EqualsIgnoreCase(chosen, dir / "server")) << chosen;
}

