#pragma once

#include <cstddef>
#include <string>

#include "core/catalogue/GameCatalogue.h"
#include "core/catalogue/MapLists.h"
#include "core/catalogue/SortedList.h"
#include "core/editors/FileMessages.h"
#include "core/platform/Clipboard.h"
#include "core/platform/FileDialogs.h"
#include "core/platform/FileSystem.h"
#include "core/platform/MessageBoxes.h"
#include "core/text/TextFile.h"
#include "core/ui/Geometry.h"
#include "core/ui/ListControl.h"
#include "core/ui/MenuModel.h"

namespace vantry {

// What the configuration editor says, and the commands of its menus.
namespace cfgeditor {
inline constexpr char Title[] = "CFG Editor";
inline constexpr char TitlePrefix[] = "CFG Editor - ";
inline constexpr char GameCaption[] = "Game:";
inline constexpr char Filter[] = "CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*";
inline constexpr char OpenTitle[] = "Open File";
inline constexpr char SaveTitle[] = "Save File";
inline constexpr char QuestionTitle[] = "Save Changes?";
inline constexpr unsigned QuestionStyle = mb::YesNoCancel | mb::Question;
inline constexpr char ExitQuestion[] = "Save changes before exiting?";
inline constexpr char NoMaps[] = "No Maps For Current Game Selection";

// The default size, and the least that still holds the menu strip and some text.
inline constexpr int DefaultWidthTwips = 5175, DefaultHeightTwips = 4125;
inline constexpr int MinWidthTwips = 3000, MinHeightTwips = 1500;

enum Command : int {
    NewCommand = 1, OpenCommand, SaveCommand, SaveAsCommand, ExitCommand,
    CutCommand, CopyCommand, PasteCommand,
    VariableCommand = 100,  // + the variable's row, up to 173
    MapCommand = 1000,      // + the map's row: a game may have thousands
};
}  // namespace cfgeditor

// Where the editor's controls go in a window of W x H twips; the rest keep
// their places.
struct CfgEditorLayout {
    Rect text;         // txtCFG
    Rect games;        // cmbGame
    Rect gameLabel;    // "Game:"
    int titleWidth;    // lbTitle 0
    int exitLeft;      // picEx
};
CfgEditorLayout LayOutCfgEditor(int widthTwips, int heightTwips);

// How the editor was opened, which decides how it closes.
enum class CfgEditorMode {
    FromMain,     // modal over the main window; Exit returns to it
    Alone,        // "/c [path]": the program is the editor
    AloneHidden,  // a file path on the command line: loaded hidden, shown once the file is read
};

enum class MenuButton { File, Edit, Insert };

// What frmCFG shows; the window implements it over its controls.
class CfgEditorView {
public:
    virtual ~CfgEditorView() = default;

    // txtCFG. Positions count the bytes of the UTF-8 text from 0.
    virtual std::string text() = 0;
    virtual void setText(const std::string& text) = 0;
    virtual std::size_t selectionStart() = 0;
    virtual std::size_t selectionLength() = 0;
    virtual void replace(std::size_t start, std::size_t length, const std::string& text) = 0;
    virtual void select(std::size_t start, std::size_t length) = 0;
    virtual void focusText() = 0;

    virtual void setTitle(const std::string& caption) = 0;  // lbTitle 0
    virtual bool trayIconShown() = 0;
    virtual void showTrayIcon(const std::string& tip) = 0;
    virtual ListControl& gameSelector() = 0;  // cmbGame
    // Pops the menu up under its button and returns the chosen command, 0 for none.
    virtual int popupMenu(const Menu& menu, MenuButton under) = 0;
    virtual void resetMenuButtons() = 0;

    virtual bool windowVisible() = 0;
    virtual void showWindow() = 0;  // not modal, with the focus
    virtual Rect placeTwips() = 0;
    virtual void place(const Rect& twips) = 0;
    virtual int screenWidthTwips() = 0;
    virtual int screenHeightTwips() = 0;
    virtual WindowHandle windowHandle() = 0;

    virtual void endProgram() = 0;   // running alone
    virtual void closeToMain() = 0;  // opened from the main window
    // The document became changed, or unchanged, since it was last created,
    // read or saved.
    virtual void unsavedWorkChanged() {}
};

struct CfgEditorServices {
    CatalogueServices& catalogue;
    GameLists& lists;
    Clipboard& clipboard;
    CfgEditorMode mode;
    std::string path;  // the file to open at once: after "/c", or the command line itself
};

// frmCFG's document and commands. The document is the text box's text; the
// presenter keeps its path and whether it has changed since it was last
// created, read or saved.
class CfgEditorPresenter {
public:
    CfgEditorPresenter(CfgEditorView& view, CfgEditorServices services);

    // EndNow when the user gave up locating hlds.exe or the program.
    [[nodiscard]] LocateResult onLoad();
    // The deferred open of a file-path command line, once the window is up.
    void onOpenTimer();
    void onUnload();
    void onTextChanged() { setChanged(true); }

    void onFileButton();
    void onEditButton();
    void onInsertButton();
    void onMenuCommand(int command);

    void New();
    void Open();
    bool Save();
    bool SaveAs();
    void Exit();
    void Cut();
    void Copy();
    void Paste();
    void insertVariable(int row);
    void insertMapName(int row);

    bool changed() const { return changed_; }
    // The changes as a log-off or shut-down names them; empty when there are none.
    std::string unsavedWork() const;
    CfgEditorMode mode() const { return s_.mode; }
    const std::string& path() const { return path_; }

private:
    bool read(const std::string& path);
    bool save(const std::string& path);
    // Asks "Save Changes?" when there are changes; false when the command is to
    // stop: Cancel, or Yes and a save that did not happen.
    bool settleChanges(const std::string& question);
    void setChanged(bool changed);
    void newDocument();
    void title(const std::string& path, bool force);
    void trayTip(const std::string& path, bool force);
    void runMenu(const Menu& menu, MenuButton under);
    void setDocument(const std::string& text);
    std::string selectedText();
    std::string dialogDirectory();
    bool alone() const { return s_.mode != CfgEditorMode::FromMain; }

    CfgEditorView& view_;
    CfgEditorServices s_;
    std::string path_;
    FileEncoding encoding_ = FileEncoding::Ansi;  // the document's, as read; a new one's is ANSI
    FileSeen seen_;  // the document's file as last read or saved
    bool changed_ = false;
    SortedList mapRows_;
    MapList maps_{mapRows_};
};

}  // namespace vantry
