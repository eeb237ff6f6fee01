#pragma once

#include <functional>
#include <memory>

#include "core/servers/LauncherPresenter.h"
#include "win/ui/Frame.h"
#include "win/ui/GameCombo.h"
#include "win/ui/TextField.h"

namespace vantry::win {

// frmServerRun: game, map, port and parameters, and Start.
class LauncherWindow : public Frame, private LauncherView {
public:
    enum : int { IdGame = 300, IdMaps, IdPort, IdParams, IdStart, IdCancel };

    LauncherWindow(WindowSet& windows, const LauncherServices& services);
    ~LauncherWindow() override;

    // Creates and shows the window, then runs the load step.
    LauncherOutcome load(HWND owner);

    std::function<void(LauncherOutcome)> onFinished;  // Close, EndProgram or EndProgramNow

private:
    // LauncherView
    std::string portText() override { return txtPort_.text(); }
    void setPortText(const std::string& text) override { txtPort_.setText(text); }
    std::string paramsText() override { return txtCmmndLine_.text(); }
    void setParamsText(const std::string& text) override { txtCmmndLine_.setText(text); }
    ListControl& gameSelector() override { return cmbGame_; }
    MapList& maps() override { return mapList_; }
    void insertNoMapEntry() override;
    std::string mapText() override { return lstMaps_.text(); }
    void setStartEnabled(bool enabled) override;
    void setWindowEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
    void startPause(int milliseconds) override;
    void centre() override { Frame::centre(); }
    void showTrayIcon(const std::string& tooltip) override { Frame::showTrayIcon(tooltip); }
    WindowHandle windowHandle() override { return hwnd_; }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onExit() override { finish(presenter_.onCancel()); }
    void finish(LauncherOutcome outcome);
    void createControls();

    LauncherPresenter presenter_;
    Label lbGame_, lbMap_, lbPort_, lbParams_;
    GameCombo cmbGame_, lstMaps_;
    MapList mapList_{lstMaps_};
    TextField txtPort_, txtCmmndLine_;
    FlatButton cmdStart_, cmdCancel_;
};

}  // namespace vantry::win
