#pragma once

#include <array>
#include <functional>

#include "core/platform/Shell.h"
#include "win/platform/Handles.h"
#include "core/ui/AboutPresenter.h"
#include "win/ui/Frame.h"

namespace vantry::win {

// frmAbout: the splash, then the program's name, the bug-report request and
// the four links. Topmost and centred; the window that opened it is disabled
// until it closes.
class AboutWindow : public Frame, private AboutView {
public:
    AboutWindow(WindowSet& windows, Shell& shell);
    ~AboutWindow() override;

    // Creates and shows the box with its splash; the information follows on a timer.
    bool load(HWND owner);

    // Called whenever the box goes, however it goes, and when it can before it
    // is destroyed, so the opener is enabled again before Windows picks the
    // next active window. It may come twice.
    std::function<void()> onClosed;

private:
    // AboutView
    void setLabelText(int label, const std::string& text) override;
    void showSplashView(bool splash) override;
    void setSplashClickable(bool clickable) override;
    void showCentredOnTop() override;
    void startSplashTimer(int milliseconds) override;
    WindowHandle windowHandle() override { return hwnd_; }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onExit() override;
    void onDpiChanged() override;
    void placeReportLink();
    void reportClosed();
    void createLabels();

    // pic1: the big icon with the program's name, over the whole box.
    class Splash : public Window {
    public:
        Splash(AboutWindow& box) : box_(box) {}
        bool create(HWND parent);

    private:
        LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
        void paint(HDC dc);
        AboutWindow& box_;
        UniqueIcon bigIcon_;
        bool pressed_ = false;
    };

    AboutPresenter presenter_;
    std::array<Label, about::LabelCount> labels_;  // element 0 is the frame's own title label
    Label image_;
    FlatButton cmdOk_;
    Splash pic1_{*this};
    UniqueIcon smallIcon_;
};

}  // namespace vantry::win
