#pragma once

#include <string>

#include "core/ui/EnterKey.h"
#include "core/ui/SessionEndGuard.h"
#include "core/ui/WindowSet.h"
#include "win/ui/DialogKeys.h"
#include "win/ui/FrameChrome.h"
#include "win/ui/Placement.h"
#include "win/ui/ToolTray.h"
#include "win/ui/Window.h"

namespace vantry::win {

struct FrameArgs {
    const wchar_t* className = L"HLDSVantryFrame";
    std::string title;
    int widthTwips = 4000;
    int heightTwips = 3000;
    bool captionButtons = false;  // the main window's minimize and help buttons
    int titleIndentTwips = 0;     // room left of the title, for the main window's icon
    std::string trayExitCaption = "Exit";
    EnterKey enter;               // the buttons Enter presses
    HWND owner = nullptr;
    DWORD exStyle = 0;
};

// The frame every window of the program shares instead of a system title bar:
// a borderless black window with a thin edge, made of its parts (the chrome,
// its placement, its dialog keys and its tray icon), dragged with the left
// button by its background, labels and panels. A window with the user's
// unsaved work holds up a log-off or shut-down and asks its close question.
class Frame : public Window, public ProgramWindow, private SessionEndView {
public:
    explicit Frame(WindowSet& windows) : windows_(windows) {}
    ~Frame() override;

    bool createFrame(const FrameArgs& args);

    // The title label's text is also the window's own text, so the taskbar,
    // Alt+Tab and screen readers show it.
    void setTitle(const std::string& title);

    Label& titleLabel() { return chrome_.titleLabel(); }
    FlatButton& picEx() { return chrome_.picEx(); }
    FlatButton& picMin() { return chrome_.picMin(); }
    FlatButton& picHelp() { return chrome_.picHelp(); }

    int px(double twips) const { return place_.px(twips); }
    Rect px(const Rect& twips) const { return place_.px(twips); }
    Rect placeTwips() const { return place_.placeTwips(); }
    int screenWidthTwips() const { return place_.screenWidthTwips(); }
    int screenHeightTwips() const { return place_.screenHeightTwips(); }
    void moveTo(const Rect& twips) { place_.moveTo(twips); }
    void placePixels(const Rect& pixels) { place_.placePixels(pixels); }
    void centre() { place_.centre(); }
    void makeTopmost() { place_.makeTopmost(); }

    // Shows the window's tray icon: a tool window's running alone, the main
    // window's unless the taskbar alone was chosen.
    void showTrayIcon(const std::string& tooltip);
    TrayIcon* trayIcon() { return tray_.icon(); }

    void unload() override;
    // A window that is asking something already keeps it, and its question
    // comes forward.
    bool closeAsExitButton() override;

protected:
    // The exit button, the tray menu's Exit and Alt+F4: unload by default.
    virtual void onExit() { unload(); }
    // The user's unsaved work in the window as a log-off or shut-down names
    // it; empty for none.
    virtual std::string unsavedWork() { return {}; }
    // The window's presenter says its unsaved work came, went or was renamed.
    void onUnsavedWorkChanged() { sessionEnd_.onWorkChanged(unsavedWork()); }
    // Esc, where no control takes it: what the exit button does.
    virtual void onEscape() { onExit(); }
    // Children call this from their own handle() for messages they do not take.
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override;
    // A label or button of this window, placed in twips. A label that is no
    // link drags the window.
    bool addLabel(Label& label, const Rect& twips, LabelArgs args);
    bool addButton(FlatButton& button, const Rect& twips, FlatButtonArgs args) {
        return place_.addButton(button, twips, std::move(args));
    }
    // A control the window created itself at px(twips): it is moved to its
    // place again when the DPI changes.
    void keepPlaced(HWND control, const Rect& twips) { place_.keepPlaced(control, twips); }
    // After a DPI change, once every kept control has its new place: for what
    // the window lays out itself.
    virtual void onDpiChanged() {}

    // The tray icon's click and menu request; a tool window shows itself and
    // its Minimize/Restore and Exit menu.
    virtual void onTrayActivate() { tray_.showFromTray(); }
    virtual void onTrayMenu() { tray_.runMenu(); }

    WindowSet& windows_;

private:
    // SessionEndView
    void nameBlockReason(const std::string& reason) override;
    void dropBlockReason() override;
    void requestAskTurn() override;
    void askAtSessionEnd();

    Placement place_{*this};
    FrameChrome chrome_;
    DialogKeys keys_{*this};
    ToolTray tray_{*this, [this] { onExit(); }};
    SessionEndGuard sessionEnd_{*this};
};

}  // namespace vantry::win
