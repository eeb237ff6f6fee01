#include "core/options/OptionsPresenter.h"

#include <algorithm>
#include <utility>

#include "core/catalogue/MapLists.h"
#include "core/editors/FileMessages.h"
#include "core/startup/StartUp.h"
#include "core/text/Paths.h"
#include "core/text/Text.h"

namespace vantry {

OptionsPresenter::OptionsPresenter(OptionsView& view, OptionsServices services)
    : view_(view),
      s_(services),
      association_{services.catalogue.settings, services.catalogue.registry, services.shell,
                   services.programPath} {}

void OptionsPresenter::onLoad() {
    Settings& settings = s_.catalogue.settings;
    shownGame_.clear();
    view_.setShowIn(ShowInMode(settings));

    const bool associated = CfgAssociated(association_);
    associatedBefore_ = associated;
    view_.setAssociated(associated);
    view_.setRegisterOnStart(associated, associated && settings.RegOnStart() == 1);
    iconChoice_ = IconPosition(settings.IconIndex()) + 1;
    showIconChoice();

    gamesReadable_ = true;
    if (!fillSelector() || !fillGameList())
        return;
    view_.setServerPath(settings.HLdir() + settings.HLexe());
    view_.setProgramPath(settings.HLDSdir() + settings.HLDSexe());
    view_.setDefaultGame(TrimSpaces(settings.defaultGameForOptions()));

    // The steps above raise the change events.
    server_ = {};
    program_ = {};
    gamesChanged_ = mapsChanged_ = false;
    setApplyEnabled(false);
}

bool OptionsPresenter::fillSelector() {
    if (FillGameSelector(s_.catalogue, s_.lists, view_.windowHandle(), view_.gameSelector()) ==
        LocateResult::EndNow) {
        view_.endProgramNow();
        return false;
    }
    // The selection's Click has read the list already, unless there was no game
    // to select or the edits of the game shown are kept.
    if (!mapsChanged_)
        dirMaps(selectedGame());
    return true;
}

std::string OptionsPresenter::selectedGame() {
    ListControl& games = view_.gameSelector();
    return games.text(games.current());
}

bool OptionsPresenter::fillGameList() {
    if (FillOptionsGameList(s_.catalogue, s_.lists, view_.windowHandle(), view_.games()) == LocateResult::EndNow) {
        view_.endProgramNow();
        return false;
    }
    const bool readable = !s_.lists.cfgUnreadable;
    if (!readable && gamesReadable_)
        ShowLoadError(s_.catalogue.boxes, view_.windowHandle(), GamesCfg(s_.catalogue.settings));
    gamesReadable_ = readable;
    view_.setGameListEnabled(readable);
    return true;
}

void OptionsPresenter::dirMaps(const std::string& game) {
    const Settings& settings = s_.catalogue.settings;
    const bool told = !mapsReadable_ && game == shownGame_;
    mapsReadable_ = DirMaps(view_.maps(), game, settings, s_.catalogue.fs);
    shownGame_ = game;
    if (!mapsReadable_ && !told)
        ShowLoadError(s_.catalogue.boxes, view_.windowHandle(), MapListFile(settings, game));
    view_.setMapListEnabled(mapsReadable_);
}

void OptionsPresenter::browse(const char* filter, const char* title, const std::string& initialDir,
                              Browsed& into, void (OptionsView::*show)(const std::string&)) {
    const std::string chosen = s_.catalogue.dialogs.showOpen(view_.windowHandle(), filter, title, initialDir);
    if (chosen.empty())
        return;
    // A path with no usable piece is as good as a cancel.
    const auto pieces = SplitAt(SplitPath(chosen), '|');
    if (pieces.size() < 2)
        return;
    into = {pieces[0], pieces[1], true};
    (view_.*show)(into.dir + into.file);
    // The catalogue still comes from the stored locations: the browsed ones
    // count once they are applied.
    if (!fillSelector() || !fillGameList())
        return;
    gamesChanged_ = false;
    enableApply();
}

void OptionsPresenter::onBrowseServer() {
    browse(locate::ServerFilter, locate::ServerDialogTitle, options::ServerDialogDir, server_,
           &OptionsView::setServerPath);
}

void OptionsPresenter::onBrowseProgram() {
    browse(locate::OwnFilter, locate::OwnDialogTitle, s_.catalogue.startDir, program_,
           &OptionsView::setProgramPath);
}

void OptionsPresenter::onMakeDefault() {
    CheckListControl& games = view_.games();
    const int row = games.current();
    if (row < 0)
        return;
    if (!games.ticked(row)) {
        s_.catalogue.boxes.show(view_.windowHandle(), options::NotAGame, options::AppTitle,
                                mb::OkOnly | mb::Information);
        return;
    }
    view_.setDefaultGame(TrimSpaces(games.text(row)));
    enableApply();
}

bool OptionsPresenter::ask(const char* text, const char* title) {
    return s_.catalogue.boxes.show(view_.windowHandle(), text, title, options::QuestionStyle) == mb::Yes;
}

void OptionsPresenter::onGameChange() {
    const std::string game = selectedGame();
    if (game == shownGame_)
        return;
    if (mapsChanged_) {
        const std::string question = "Save changes to Map List for '" + shownGame_ + "' before changing to '" +
                                     game + "'?";
        if (ask(question.c_str(), options::QuestionTitle) && !saveMapList()) {
            // The edits are not on disk: they stay, with the game they belong to.
            return SelectRow(view_.gameSelector(), shownGame_);
        }
    }
    dirMaps(game);
    mapsChanged_ = false;
}

void OptionsPresenter::onAddMap() {
    const std::string name = TrimSpaces(view_.newMap());
    if (name.empty()) {
        s_.catalogue.boxes.show(view_.windowHandle(), options::NoMapName, options::NoMapNameTitle, mb::OkOnly);
        view_.focusNewMap();
        return;
    }
    ListControl& maps = view_.maps();
    const std::string lower = ToLowerAscii(name);
    for (int row = 0; row < maps.count(); ++row)
        if (ToLowerAscii(maps.text(row)) == lower && !ask(options::MapExists, options::MapExistsTitle))
            return;
    maps.add(name);
    view_.setNewMap("");
    mapsChanged_ = true;
    enableApply();
}

void OptionsPresenter::onDeleteMap() {
    const int row = view_.maps().current();
    if (row < 0 || !ask(options::DeleteMap, options::DeleteMapTitle))
        return;
    view_.maps().remove(row);
    mapsChanged_ = true;
    enableApply();
}

void OptionsPresenter::onAssociationClick() {
    const bool checked = view_.associated();
    view_.setRegisterOnStart(checked, checked ? s_.catalogue.settings.RegOnStart() == 1 : view_.registerOnStart());
    showIconChoice();
    enableApply();
}

void OptionsPresenter::showIconChoice() {
    iconChoice_ = std::clamp(iconChoice_, 1, options::IconChoices);
    const bool on = view_.associated();
    view_.setIconButtons(on && iconChoice_ < options::IconChoices, on && iconChoice_ > 1);
    view_.showIcon(iconChoice_);
}

void OptionsPresenter::changeIcon(int by) {
    iconChoice_ += by;
    showIconChoice();
    enableApply();
}

void OptionsPresenter::setApplyEnabled(bool enabled) {
    const bool was = std::exchange(applyEnabled_, enabled);
    view_.setApplyEnabled(enabled);
    if (enabled != was)
        view_.unsavedWorkChanged();
}

bool OptionsPresenter::saveMapList() {
    const Settings& settings = s_.catalogue.settings;
    if (!mapsReadable_)
        return true;  // nothing of it was shown, so nothing was changed
    if (SaveMapList(view_.maps(), shownGame_, settings, s_.catalogue.fs))
        return true;
    ShowSaveError(s_.catalogue.boxes, view_.windowHandle(), MapListFile(settings, shownGame_));
    return false;
}

bool OptionsPresenter::saveGamesCfg() {
    const Settings& settings = s_.catalogue.settings;
    if (!gamesReadable_)
        return true;
    if (WriteGamesCfgFromOptions(settings, s_.catalogue.fs, view_.games()))
        return true;
    ShowSaveError(s_.catalogue.boxes, view_.windowHandle(), GamesCfg(settings));
    return false;
}

void OptionsPresenter::saveLocations() {
    Settings& settings = s_.catalogue.settings;
    if (server_.changed) {
        settings.setHLdir(server_.dir);
        settings.setHLexe(server_.file);
    }
    if (program_.changed) {
        settings.setHLDSdir(program_.dir);
        settings.setHLDSexe(program_.file);
    }
    server_.changed = program_.changed = false;
}

bool OptionsPresenter::apply() {
    Settings& settings = s_.catalogue.settings;
    if (view_.associated()) {
        settings.setIconIndex(iconChoice_ - 1);
        RegisterCfgAssociation(association_);
        // The box says whether to register at every start; registering itself stores "1".
        settings.setRegOnStart(view_.registerOnStart() ? 1 : 0);
    } else if (associatedBefore_) {
        RemoveCfgAssociation(association_);
    }
    // Unticked and left so, the association may be another program's: it is
    // not this window's to take away.
    associatedBefore_ = view_.associated();
    settings.setDefaultGame(view_.defaultGame());

    const int shownIn = std::max(view_.showIn(), 0);
    if (shownIn != ShowInMode(settings)) {
        settings.setShowIn(shownIn);
        view_.showMainWindowAgain();
    }

    bool saved = saveMapList();
    if (saved)
        mapsChanged_ = false;
    if (gamesChanged_) {
        if (saveGamesCfg()) {
            gamesChanged_ = false;
            if (RefreshGameSelectors(s_.catalogue, s_.lists, view_.shownSelectors()) == LocateResult::EndNow)
                view_.endProgramNow();
        } else {
            saved = false;
        }
    }
    saveLocations();
    return saved;
}

void OptionsPresenter::onApply() {
    setApplyEnabled(false);
    if (!apply())
        enableApply();
}

void OptionsPresenter::onOk() {
    // What could not be written stays in the window, for the user to try again.
    if (apply())
        view_.close();
    else
        enableApply();
}

void OptionsPresenter::onExitButton() {
    if (applyEnabled_ && ask(options::SaveSettings, options::QuestionTitle)) {
        const bool maps = saveMapList();
        const bool games = saveGamesCfg();
        saveLocations();
        if (!maps || !games)
            return;
    }
    view_.close();
}

}  // namespace vantry
