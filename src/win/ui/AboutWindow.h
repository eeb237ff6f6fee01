#pragma once

#include <array>
#include <functional>

#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Handles.h"
#include "ui/AboutBox.h"
#include "ui/Frame.h"

namespace vantry::win {

// frmAbout: the splash, then the program's name, the bug-report request and
// the four links. Topmost and centred; the window that opened it is disabled
// until it closes.
class AboutWindow : public Frame, private AboutView {
public:
    AboutWindow(WindowSet& windows, Shell& shell, Clock& clock);
    ~AboutWindow() override;

    // Creates, shows and runs the splash wait; returns when the information
    // view is up or the box was closed meanwhile.
    bool load(HWND owner);

    bool splashShown() const { return presenter_.splashShown(); }
    HWND splashPanel() const { return pic1_; }
    Label& label(int index) { return index == 0 ? titleLabel() : labels_[index]; }
    HWND image() const { return image_.hwnd(); }
    FlatButton& okButton() { return cmdOk_; }

    // Called whenever the box goes, however it goes, and before it is destroyed,
    // so the opener is enabled again before Windows picks the next active
    // window. The box may still be inside load() then: delete it later, not
    // from this callback.
    std::function<void()> onClosed;

private:
    // AboutView
    void setLabelText(int label, const std::string& text) override;
    void showSplashView(bool splash) override;
    void setSplashClickable(bool clickable) override;
    void showCentredOnTop() override;
    WindowHandle windowHandle() override { return hwnd_; }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onExit() override;
    void onDestroyed() override;
    void reportClosed();
    void createLabels();
    void createSplash();
    static LRESULT CALLBACK SplashProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void paintSplash(HDC dc);

    AboutPresenter presenter_;
    std::array<Label, 11> labels_;  // element 0 is the frame's own title label
    Label image_;
    FlatButton cmdOk_;
    HWND pic1_ = nullptr;
    UniqueIcon bigIcon_, smallIcon_;
    bool closedReported_ = false;
};

}  // namespace vantry::win
