#pragma once

#include <string>

#include "core/catalogue/GameCatalogue.h"
#include "core/ui/ListControl.h"
#include "core/options/CfgAssociation.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Shell.h"

namespace vantry {

namespace options {
inline constexpr char Title[] = "Options";
inline constexpr char AppTitle[] = "HLDS Vantry";
inline constexpr char NotAGame[] =
    "Selection must first be marked as a game before it can be made the default selection.";
inline constexpr char NoMapName[] = "Please enter a mapname";
inline constexpr char NoMapNameTitle[] = "Mapname";
inline constexpr char MapExists[] = "Map already exists, do you wish to add anyway?";
inline constexpr char MapExistsTitle[] = "Map Exists";
inline constexpr char DeleteMap[] = "Are you sure you wish to delete this map?";
inline constexpr char DeleteMapTitle[] = "Del Map";
inline constexpr char SaveSettings[] = "Save changes to settings?";
inline constexpr char QuestionTitle[] = "Exit";
inline constexpr char UnappliedChanges[] = "Unapplied changes in Options";
inline constexpr unsigned QuestionStyle = mb::YesNo | mb::Question;
inline constexpr char ServerDialogDir[] = "\\Half-Life\\";
inline constexpr int IconChoices = 4;
}  // namespace options

// What frmOptions shows; the window implements it over its controls. Rows
// count from 0; -1 is no selection.
class OptionsView {
public:
    virtual ~OptionsView() = default;
    virtual ListControl& gameSelector() = 0;  // cmbGame
    virtual ListControl& maps() = 0;          // lstMaps, sorted
    virtual CheckListControl& games() = 0;    // lstGames
    // What edits a file that could not be read: lstMaps with its new-map field
    // and buttons, and lstGames. Disabled until the file can be read.
    virtual void setMapListEnabled(bool enabled) = 0;
    virtual void setGameListEnabled(bool enabled) = 0;
    virtual void setServerPath(const std::string& path) = 0;   // txtHLexe
    virtual void setProgramPath(const std::string& path) = 0;  // txtHLDS
    virtual std::string newMap() = 0;                          // txtNewMap
    virtual void setNewMap(const std::string& text) = 0;
    virtual void focusNewMap() = 0;
    virtual std::string defaultGame() = 0;  // lblDefault
    virtual void setDefaultGame(const std::string& game) = 0;
    virtual int showIn() = 0;  // the chkVis element chosen, -1 for none
    virtual void setShowIn(int mode) = 0;
    virtual bool associated() = 0;  // chkAssoc
    virtual void setAssociated(bool checked) = 0;
    virtual bool registerOnStart() = 0;  // chkReg
    virtual void setRegisterOnStart(bool enabled, bool checked) = 0;
    // cmdAdd and cmdDel, their captions white while enabled, and imIcon.
    virtual void setIconButtons(bool nextEnabled, bool previousEnabled) = 0;
    virtual void showIcon(int choice) = 0;  // 1 the program's icon, 2 to 4 the documents'
    // The Apply button, its caption white while enabled: there are unapplied changes.
    virtual void setApplyEnabled(bool enabled) = 0;
    // The unapplied changes came or went.
    virtual void unsavedWorkChanged() {}
    virtual WindowHandle windowHandle() = 0;
    virtual void close() = 0;
    // The main window and the title window go and come back as ShowIn now says.
    virtual void showMainWindowAgain() = 0;
    // The selectors of the tool windows that are shown, this one's included.
    virtual ShownSelectors shownSelectors() = 0;
    // The user gave up locating hlds.exe or the program.
    virtual void endProgramNow() = 0;
};

struct OptionsServices {
    CatalogueServices& catalogue;
    GameLists& lists;
    Shell& shell;
    std::string programPath;  // as the association registers it
};

// frmOptions: where the programs live, which directories are games, the
// default game, each game's map list, where the program shows itself and the
// .cfg association. Changes are written on OK, Apply, or Yes when closing.
class OptionsPresenter {
public:
    OptionsPresenter(OptionsView& view, OptionsServices services);

    void onLoad();
    void onUnload() { ClearGameLists(s_.lists); }

    void onBrowseServer();
    void onBrowseProgram();
    void onGameChecked() { gamesChanged_ = true; enableApply(); }
    void onMakeDefault();
    // The selector's Click and KeyUp. The maps shown belong to the game last
    // read, whatever the selector shows by now.
    void onGameChange();
    void onAddMap();
    void onDeleteMap();
    void onShowInClick() { enableApply(); }
    void onAssociationClick();
    void onRegisterClick() { enableApply(); }
    void onNextIcon() { changeIcon(1); }
    void onPreviousIcon() { changeIcon(-1); }
    void onApply();
    void onOk();
    void onCancel() { view_.close(); }
    // The title bar's close button: asks while there are unapplied changes.
    void onExitButton();

    // The unapplied changes as a log-off or shut-down names them; empty when there are none.
    std::string unsavedWork() const { return applyEnabled_ ? options::UnappliedChanges : ""; }

private:
    struct Browsed {
        std::string dir, file;
        bool changed = false;
    };
    void browse(const char* filter, const char* title, const std::string& initialDir, Browsed& into,
                void (OptionsView::*show)(const std::string&));
    bool fillSelector();
    // FillOptionsGameList; an unreadable games.cfg is told of once.
    bool fillGameList();
    void dirMaps(const std::string& game);
    void showIconChoice();
    void changeIcon(int by);
    void enableApply() { setApplyEnabled(true); }
    void setApplyEnabled(bool enabled);
    // Writes and reports; false when the file could not be written.
    bool saveMapList();
    bool saveGamesCfg();
    void saveLocations();
    // ApplySettings; false when a file could not be written, so Apply stays.
    bool apply();
    bool ask(const char* text, const char* title);
    std::string selectedGame();

    OptionsView& view_;
    OptionsServices s_;
    AssociationServices association_;
    std::string shownGame_;
    Browsed server_, program_;
    bool associatedBefore_ = false;  // the association box as shown at load or last applied
    bool gamesChanged_ = false;
    // The files shown could be read; one that could not is never written.
    bool mapsReadable_ = true;
    bool gamesReadable_ = true;
    bool mapsChanged_ = false;
    bool applyEnabled_ = false;
    int iconChoice_ = 3;
};

}  // namespace vantry
