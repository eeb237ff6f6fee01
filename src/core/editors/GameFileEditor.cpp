#include "core/editors/GameFileEditor.h"

#include <utility>

#include "core/editors/FileMessages.h"
#include "core/ui/SessionEndGuard.h"

namespace vantry {

LocateResult GameFileEditor::onLoad() {
    if (FillGameSelector(s_.catalogue, s_.lists, view_.windowHandle(), view_.gameSelector()) ==
        LocateResult::EndNow)
        return LocateResult::EndNow;
    // The selection's Click has read the file already. Where no Click reached
    // the editor, it reads it now, so that it starts from the file; but not
    // twice: the MOTD editor makes a missing file as it reads, and a folder
    // that refuses it would be told of twice.
    const std::string game = selectedGame();
    if (shownGame_.empty() || shownGame_ != game)
        show(game);
    if (s_.standalone)
        view_.showTrayIcon(texts_.trayTooltip);
    return LocateResult::Known;
}

std::string GameFileEditor::pathOf(const std::string& game) const {
    return s_.catalogue.settings.HLdir() + game + "\\" + texts_.fileName;
}

std::string GameFileEditor::selectedGame() const {
    const ListControl& games = view_.gameSelector();
    return games.text(games.current());
}

void GameFileEditor::show(const std::string& game) {
    shownGame_ = game;
    readable_ = true;
    encoding_ = FileEncoding::Ansi;
    seen_ = {};
    readable_ = read(game);
    view_.setDocumentEnabled(readable_);
    setChanged(false);
}

void GameFileEditor::createEmpty() {
    // An empty document is the same bytes in every encoding.
    const std::string bytes = DocumentBytes("");
    if (s_.catalogue.fs.writeFile(pathOf(shownGame_), bytes))
        seen_ = Seen(bytes);
}

std::optional<std::string> GameFileEditor::readText(const std::string& path) {
    if (!s_.catalogue.fs.attributes(path))
        return std::string();
    const auto bytes = s_.catalogue.fs.readFile(path);
    auto file = bytes ? DecodeFileText(s_.catalogue.fs, *bytes) : std::nullopt;
    seen_ = Seen(bytes);
    if (!file) {
        ShowLoadError(s_.catalogue.boxes, view_.windowHandle(), path);
        return std::nullopt;
    }
    encoding_ = file->encoding;
    return std::move(file->text);
}

void GameFileEditor::setChanged(bool changed) {
    // Nothing can change a file that could not be read: it has nothing to save.
    const bool was = std::exchange(changed_, changed && readable_);
    view_.setSaveEnabled(changed_);
    if (changed_ != was)
        view_.unsavedWorkChanged();
}

std::string GameFileEditor::unsavedWork() const { return changed_ ? UnsavedChangesIn(texts_.fileName) : std::string(); }

bool GameFileEditor::askToSave(const std::string& question) {
    return s_.catalogue.boxes.show(view_.windowHandle(), question, gamefile::QuestionTitle,
                                   gamefile::QuestionStyle) == mb::Yes;
}

bool GameFileEditor::write() {
    // No game was ever shown (an empty selector): the edits have no file, and
    // the Half-Life directory itself is not one.
    if (shownGame_.empty() || !readable_)
        return false;
    return SaveText(s_.catalogue.fs, s_.catalogue.boxes, view_.windowHandle(), pathOf(shownGame_), fileText(),
                    encoding_, seen_, true);
}

void GameFileEditor::onGameChange() {
    const std::string game = selectedGame();
    if (game == shownGame_)
        return;
    if (changed_ && askToSave(std::string("Save changes to ") + texts_.questionName + " for '" + shownGame_ +
                              "' before changing to '" + game + "'?") &&
        !write()) {
        // The edits are not on disk: they stay, with the game they belong to.
        // Its Click finds that game shown and does nothing.
        SelectRow(view_.gameSelector(), shownGame_);
        return;
    }
    show(game);
}

void GameFileEditor::onSave() {
    if (write())
        setChanged(false);
}

void GameFileEditor::onClose() {
    // A failed save keeps the window open: closing would lose what it could not write.
    if (changed_ && askToSave(texts_.closeQuestion) && !write())
        return;
    if (s_.standalone)
        view_.endProgram();
    else
        view_.closeToMain();
}

}  // namespace vantry
