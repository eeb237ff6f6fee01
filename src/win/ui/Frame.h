#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ui/ActivityLook.h"
#include "core/ui/MenuModel.h"
#include "core/ui/SessionEndGuard.h"
#include "core/ui/WindowSet.h"
#include "win/ui/FlatButton.h"
#include "win/ui/Label.h"
#include "win/ui/TrayIcon.h"
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
    HWND owner = nullptr;
    DWORD exStyle = 0;
    int dpi = 0;  // 0: the DPI of the monitor it appears on
};

// The frame every window of the program shares instead of a system title bar:
// a borderless black window with its title label lbTitle(0) and exit button
// picEx (and picMin, picHelp on the main window), dragged with the left button
// by its background, labels and panels, whose title dims while another window
// is active. A tool window running alone also shows a tray icon with its menu.
// A window with the user's unsaved work holds up a log-off or shut-down and
// asks its close question.
class Frame : public Window, public ProgramWindow, private SessionEndView {
public:
    explicit Frame(WindowSet& windows) : windows_(windows) {}
    ~Frame() override;

    bool createFrame(const FrameArgs& args);

    // The title label's text is also the window's own text, so the taskbar,
    // Alt+Tab and screen readers show it.
    void setTitle(const std::string& title);

    Label& titleLabel() { return lbTitle_; }
    FlatButton& picEx() { return picEx_; }
    FlatButton& picMin() { return picMin_; }
    FlatButton& picHelp() { return picHelp_; }

    // Twips to this window's pixels.
    int px(double twips) const;
    Rect px(const Rect& twips) const;
    void sizeTwips(int widthTwips, int heightTwips);
    // The window's place on the screen, and the screen's width, in twips.
    Rect placeTwips() const;
    int screenWidthTwips() const;
    int screenHeightTwips() const;
    void moveTo(const Rect& twips);
    // Moves and sizes the window in pixels. A place that no monitor shows
    // (stored while a monitor since unplugged was there, or a damaged
    // setting) would leave the window where nobody can reach it: it goes onto
    // the nearest monitor instead.
    void placePixels(const Rect& pixels);
    void centre();
    void makeTopmost();

    // Starts a system move of the window when the button is the left one.
    static void DragWindow(HWND hwnd, int button);

    // Shows the window's tray icon: a tool window's running alone, the main
    // window's unless the taskbar alone was chosen.
    void showTrayIcon(const std::string& tooltip);
    TrayIcon* trayIcon() { return tray_.get(); }
    // The tray menu's "Minimize" or "Restore", as a click on it does.
    void trayMenuMinimizeOrRestore(TrayMinAction action);

    void Unload() override;
    // Closes the window as its exit button does, with its question; false
    // while it stays open. A window that is asking something already keeps
    // it, and its question comes forward.
    bool closeAsExitButton();

protected:
    // The exit button, the tray menu's Exit and Alt+F4: unload by default.
    virtual void onExit() { Unload(); }
    // The user's unsaved work in the window as a log-off or shut-down names
    // it; empty for none.
    virtual std::string unsavedWork() { return {}; }
    // The window's presenter says its unsaved work came, went or was renamed.
    void onUnsavedWorkChanged() { sessionEnd_.onWorkChanged(unsavedWork()); }
    // Esc, where no control takes it: what the exit button does.
    virtual void onEscape() { onExit(); }
    // The button Enter presses where no focused button takes it; 0 for none.
    virtual int defaultButton() { return 0; }
    // Children call this from their own handle() for messages they do not take.
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override;
    // A label or button of this window, placed in twips. A label that is no
    // link drags the window.
    bool addLabel(Label& label, const Rect& twips, LabelArgs args);
    bool addButton(FlatButton& button, const Rect& twips, FlatButtonArgs args);
    // A control the window created itself at px(twips): it is moved to its
    // place again when the DPI changes.
    void keepPlaced(HWND control, const Rect& twips);
    // After a DPI change, once every kept control has its new place: for what
    // the window lays out itself.
    virtual void onDpiChanged() {}

    WindowSet& windows_;

    // The tray icon's click and menu request; a tool window shows itself and
    // its Minimize/Restore and Exit menu.
    virtual void onTrayActivate();
    virtual void onTrayMenu();

private:
    // SessionEndView
    void nameBlockReason(const std::string& reason) override;
    void dropBlockReason() override;
    void requestAskTurn() override;
    void askAtSessionEnd();

    void applyLook(bool active);

    void changeDpi(int dpi, const RECT& suggested);
    // On activation, true when the focus went back to a control.
    bool restoreFocus(bool active, bool minimized);

    ActivityLook look_;
    std::vector<std::pair<HWND, Rect>> placed_;  // in twips
    Label lbTitle_;
    FlatButton picEx_, picMin_, picHelp_;
    bool captionButtons_ = false;
    std::string trayExitCaption_;
    std::unique_ptr<TrayIcon> tray_;
    HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window went inactive
    SessionEndGuard sessionEnd_{*this};
};

}  // namespace vantry::win
