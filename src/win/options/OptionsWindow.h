#pragma once

#include <functional>

#include "core/options/OptionsPresenter.h"
#include "win/platform/Handles.h"
#include "win/ui/CheckListBox.h"
#include "win/ui/Frame.h"
#include "win/ui/GameCombo.h"
#include "win/ui/SystemControl.h"
#include "win/ui/TextField.h"

namespace vantry::win {

// frmOptions: locations, games and the default game, map lists, where the
// program shows itself and the .cfg association, applied on OK or Apply.
class OptionsWindow final : public Frame, private OptionsView {
public:
    enum : int {
        IdServerPath = 600, IdBrowseServer, IdProgramPath, IdBrowseProgram, IdGames, IdMakeDefault, IdDefault,
        IdGame, IdMaps, IdNewMap, IdAddMap, IdDelMap, IdTray, IdTaskbar, IdBoth, IdAssociate, IdRegister,
        IdPreviousIcon, IdIcon, IdNextIcon, IdOk, IdCancel, IdApply, IdFrames
    };

    OptionsWindow(WindowSet& windows, const OptionsServices& services);
    ~OptionsWindow() override;

    // Creates the window centred over the screen, runs the load step and shows it.
    void load(HWND owner);

    OptionsPresenter& presenter() { return presenter_; }

    std::function<void()> onClosed;           // OK, Cancel or the close button
    std::function<void()> onShowInChanged;    // the main window must follow ShowIn
    std::function<void()> onEndProgramNow;

    void unload() override;

private:
    // OptionsView
    ListControl& gameSelector() override { return cmbGame_; }
    ListControl& maps() override { return lstMaps_; }
    CheckListControl& games() override { return lstGames_; }
    void setMapListEnabled(bool enabled) override;
    void setGameListEnabled(bool enabled) override;
    void setServerPath(const std::string& path) override { txtHLexe_.setText(path); }
    void setProgramPath(const std::string& path) override { txtHLDS_.setText(path); }
    std::string newMap() override { return txtNewMap_.text(); }
    void setNewMap(const std::string& text) override { txtNewMap_.setText(text); }
    void focusNewMap() override { SetFocus(txtNewMap_.hwnd()); }
    std::string defaultGame() override { return lblDefault_.text(); }
    void setDefaultGame(const std::string& game) override { lblDefault_.setText(game); }
    int showIn() override;
    void setShowIn(int mode) override;
    bool associated() override;
    void setAssociated(bool checked) override;
    bool registerOnStart() override;
    void setRegisterOnStart(bool enabled, bool checked) override;
    void setIconButtons(bool nextEnabled, bool previousEnabled) override;
    void showIcon(int choice) override;
    void setApplyEnabled(bool enabled) override;
    WindowHandle windowHandle() override { return hwnd_; }
    void close() override;
    void showMainWindowAgain() override;
    ShownSelectors shownSelectors() override;
    void endProgramNow() override;
    void unsavedWorkChanged() override { onUnsavedWorkChanged(); }
    std::string unsavedWork() override { return presenter_.unsavedWork(); }

    void createControls();
    void onExit() override { presenter_.onExitButton(); }
    void onEscape() override { presenter_.onCancel(); }

    OptionsPresenter presenter_;
    SystemControl frLocations_, frGames_, frMaps_, frShowIn_, frCfg_;  // Frame1
    Label lbServer_, lbProgram_, lbGames_, lbDefault_, lblDefault_, lbGame_, lbMaps_, lbMapNote_;
    TextField txtHLexe_, txtHLDS_, txtNewMap_;
    FlatButton cmdHLexe_, cmdHLDS_, cmdMakeDefault_, cmdAddMap_, cmdDelMap_;
    CheckListBox lstGames_;
    GameCombo cmbGame_;
    ListBox lstMaps_;
    SystemControl chkVis_[3], chkAssoc_, chkReg_;
    FlatButton cmdDel_, cmdAdd_;  // the previous and the next document icon
    Label imIcon_;
    UniqueIcon icons_[options::IconChoices];
    FlatButton cmdOk_, cmdCancel_, cmdApply_;
};

}  // namespace vantry::win
