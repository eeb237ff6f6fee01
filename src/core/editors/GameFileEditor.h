#pragma once

#include <optional>
#include <string>

#include "core/catalogue/GameCatalogue.h"
#include "core/ui/ListControl.h"
#include "core/platform/MessageBoxes.h"
#include "core/editors/FileMessages.h"
#include "core/text/TextFile.h"

namespace vantry {

namespace gamefile {
inline constexpr char GameCaption[] = "Game:";
inline constexpr char SaveCaption[] = "&Save";
inline constexpr char CloseCaption[] = "&Close";
inline constexpr char QuestionTitle[] = "Exit";
inline constexpr unsigned QuestionStyle = mb::YesNo | mb::Question;
}  // namespace gamefile

// What an editor of one file per game shows beyond its document: the game
// selector, the Save button that is its unsaved-changes flag, and the ways out.
class GameFileView {
public:
    virtual ~GameFileView() = default;
    virtual ListControl& gameSelector() = 0;  // cmbGame
    // The Save button: enabled with a white caption while there are unsaved
    // changes, disabled with a black one while there are none.
    virtual void setSaveEnabled(bool enabled) = 0;
    // The document's own controls (the MOTD's text box; the map cycle's two
    // lists and four arrow buttons): disabled while the shown game's file
    // could not be read, so nothing can be typed that could never be saved.
    virtual void setDocumentEnabled(bool enabled) = 0;
    virtual void showTrayIcon(const std::string& tooltip) = 0;
    virtual WindowHandle windowHandle() = 0;
    virtual void endProgram() = 0;   // running alone
    virtual void closeToMain() = 0;  // opened from the main window
    // The edits became saved or unsaved, or the other way round.
    virtual void unsavedWorkChanged() {}
};

struct GameFileServices {
    CatalogueServices& catalogue;
    GameLists& lists;
    bool standalone;  // started alone by its switch
};

// How one editor names its file and asks its questions.
struct GameFileTexts {
    const char* fileName;      // "motd.txt": the file in each game's directory
    const char* questionName;  // how the change-of-game question names it
    const char* closeQuestion;
    const char* trayTooltip;
};

// The rules the MOTD and map cycle editors share. The edits always belong to
// the game whose file was last read or saved, whatever the selector shows by
// the time they are written: the mouse wheel changes a closed selector
// without a drop-down or a key, so the selector's own text cannot say where
// the edits came from.
class GameFileEditor {
public:
    GameFileEditor(GameFileView& view, GameFileServices services, GameFileTexts texts)
        : view_(view), s_(services), texts_(texts) {}
    virtual ~GameFileEditor() = default;

    // EndNow when the user gave up locating hlds.exe or the program.
    [[nodiscard]] LocateResult onLoad();
    void onUnload() { ClearGameLists(s_.lists); }

    // DropDown and KeyDown: the selector still shows the game being left.
    void onGameDropDown() { shownGame_ = selectedGame(); }
    void onGameKeyDown() { shownGame_ = selectedGame(); }
    // Click and KeyUp, so a key that changes the game runs this twice; the
    // second time the game is the one shown and nothing happens.
    void onGameChange();
    void onSave();
    void onClose();

    bool changed() const { return changed_; }
    // The edits as a log-off or shut-down names them; empty when there are none.
    std::string unsavedWork() const;
    std::string pathOf(const std::string& game) const;

protected:
    // Puts the game's file into the view; false when the file exists but
    // could not be read (readText has said so), leaving the document empty.
    virtual bool read(const std::string& game) = 0;
    // The text a save writes, in the file's encoding.
    virtual std::string fileText() = 0;

    // Makes the shown game's missing file, empty. A folder that refuses it is
    // not told of now, when nothing of the user's is at stake; a Save is.
    void createEmpty();
    // The file's text, the empty text where there is no file; nothing, once
    // the user was told, where it exists but could not be read.
    std::optional<std::string> readText(const std::string& path);
    // Writes the edits to the shown game's file; a failure says so. A file
    // that could not be read is never written over: what the user would
    // lose is what the program could not show.
    bool write();
    void setChanged(bool changed);
    std::string selectedGame() const;
    void show(const std::string& game);

    GameFileView& view_;
    GameFileServices s_;

private:
    bool askToSave(const std::string& question);

    GameFileTexts texts_;
    std::string shownGame_;  // empty until the first read
    FileEncoding encoding_ = FileEncoding::Ansi;
    FileSeen seen_;  // the shown game's file as last read or saved
    bool readable_ = true;
    bool changed_ = false;
};

}  // namespace vantry
