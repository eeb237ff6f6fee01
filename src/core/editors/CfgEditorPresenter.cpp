#include "core/editors/CfgEditorPresenter.h"

#include "core/editors/FileMessages.h"
#include "core/editors/VariableCatalogue.h"
#include "core/text/Paths.h"
#include "core/text/Text.h"
#include "core/text/TextFile.h"
#include "core/ui/SessionEndGuard.h"
#include "core/ui/Sizes.h"

namespace vantry {

namespace cfgeditor {
namespace {

std::string NewQuestion(const std::string& path) {
    return "Save changes to '" + path + "' before creating new document?";
}
std::string OpenQuestion(const std::string& path) {
    return "Save changes to '" + path + "' before opening new document?";
}

}  // namespace
}  // namespace cfgeditor

CfgEditorLayout LayOutCfgEditor(int w, int h) {
    CfgEditorLayout l;
    l.text = {60, 630, w - 120, h - 680};
    l.games = {w - 2085, 300, layout::GameListWidth, layout::GameListHeight};
    l.gameLabel = {l.games.left - 600, 330, 540, 240};
    l.titleWidth = w - 500;
    l.exitLeft = w - 315;
    return l;
}

CfgEditorPresenter::CfgEditorPresenter(CfgEditorView& view, CfgEditorServices services)
    : view_(view), s_(std::move(services)) {}

LocateResult CfgEditorPresenter::onLoad() {
    if (FillGameSelector(s_.catalogue, s_.lists, view_.windowHandle(), view_.gameSelector()) == LocateResult::EndNow)
        return LocateResult::EndNow;

    // A size too small to hold the editor (a hand-edited or damaged setting)
    // is not taken: the window would be unusable.
    const Settings& settings = s_.catalogue.settings;
    int width = static_cast<int>(settings.cfgX2());
    int height = static_cast<int>(settings.cfgY2());
    if (width < cfgeditor::MinWidthTwips)
        width = cfgeditor::DefaultWidthTwips;
    if (height < cfgeditor::MinHeightTwips)
        height = cfgeditor::DefaultHeightTwips;
    const int top = static_cast<int>(settings.cfgY((view_.screenHeightTwips() - height) / 2.0f));
    const int left = static_cast<int>(settings.cfgX((view_.screenWidthTwips() - width) / 2.0f));
    view_.place({left, top, width, height});
    setChanged(false);

    if (s_.mode == CfgEditorMode::Alone) {
        trayTip("", true);
        if (!s_.path.empty() && read(s_.path)) {
            path_ = s_.path;
            title(path_, true);
            setChanged(false);
        }
    }
    return LocateResult::Known;
}

void CfgEditorPresenter::onOpenTimer() {
    trayTip("", true);
    if (s_.path.empty()) {
        view_.showWindow();
        return;
    }
    // Unreadable, the window stays hidden; its tray icon can bring it up.
    if (!read(s_.path))
        return;
    path_ = s_.path;
    title(path_, true);
    setChanged(false);
    view_.showWindow();
}

void CfgEditorPresenter::onUnload() {
    if (view_.windowVisible()) {
        Settings& settings = s_.catalogue.settings;
        const Rect place = view_.placeTwips();
        settings.setCfgY2(static_cast<float>(place.height));
        settings.setCfgX2(static_cast<float>(place.width));
        settings.setCfgY(static_cast<float>(place.top));
        settings.setCfgX(static_cast<float>(place.left));
    }
    ClearGameLists(s_.lists);
}

bool CfgEditorPresenter::read(const std::string& path) {
    const auto bytes = s_.catalogue.fs.readFile(path);
    const auto file = bytes ? DecodeFileText(s_.catalogue.fs, *bytes) : std::nullopt;
    if (!file) {
        ShowLoadError(s_.catalogue.boxes, view_.windowHandle(), path);
        return false;
    }
    setDocument(DocumentText(file->text));
    encoding_ = file->encoding;
    seen_ = Seen(bytes);
    return true;
}

bool CfgEditorPresenter::save(const std::string& path) {
    // Failed or refused, the text stays as it is: what the user typed is not
    // on disk, and must not be lost as well.
    return SaveText(s_.catalogue.fs, s_.catalogue.boxes, view_.windowHandle(), path, DocumentBytes(view_.text()),
                    encoding_, seen_, !path_.empty() && EqualsIgnoreCase(path, path_));
}

void CfgEditorPresenter::setDocument(const std::string& text) {
    view_.setText(text);
    setChanged(true);  // as for any change of the text; callers clear it after success
}

void CfgEditorPresenter::setChanged(bool changed) {
    if (changed == changed_)
        return;
    changed_ = changed;
    view_.unsavedWorkChanged();
}

std::string CfgEditorPresenter::unsavedWork() const {
    if (!changed_)
        return {};
    return UnsavedChangesIn(path_.empty() ? std::string(cfgeditor::Title) : FileNameOf(path_));
}

void CfgEditorPresenter::newDocument() {
    setDocument("");
    setChanged(false);
    path_.clear();
    encoding_ = FileEncoding::Ansi;
    view_.setTitle(cfgeditor::Title);
    trayTip("", false);
}

void CfgEditorPresenter::title(const std::string& path, bool force) {
    view_.setTitle(cfgeditor::TitlePrefix + FileNameOf(path));
    trayTip(path, force);
}

void CfgEditorPresenter::trayTip(const std::string& path, bool force) {
    if (!force && !view_.trayIconShown())
        return;
    view_.showTrayIcon(TrimSpaces(path).empty() ? std::string(cfgeditor::Title) : cfgeditor::TitlePrefix + path);
}

bool CfgEditorPresenter::settleChanges(const std::string& question) {
    if (!changed_)
        return true;
    switch (s_.catalogue.boxes.show(view_.windowHandle(), question, cfgeditor::QuestionTitle,
                                    cfgeditor::QuestionStyle)) {
    case mb::Yes:
        // A save that was cancelled or failed stops the command: going on would
        // throw the unsaved text away.
        return Save();
    case mb::No:
        return true;
    default:
        return false;
    }
}

std::string CfgEditorPresenter::dialogDirectory() {
    const ListControl& games = view_.gameSelector();
    return s_.catalogue.settings.HLdir() + games.text(games.current());
}

void CfgEditorPresenter::New() {
    view_.resetMenuButtons();
    if (settleChanges(cfgeditor::NewQuestion(path_)))
        newDocument();
}

void CfgEditorPresenter::Open() {
    view_.resetMenuButtons();
    const std::string chosen = s_.catalogue.dialogs.showOpen(view_.windowHandle(), cfgeditor::Filter,
                                                             cfgeditor::OpenTitle, dialogDirectory());
    if (chosen.empty() || !settleChanges(cfgeditor::OpenQuestion(path_)))
        return;
    if (!read(chosen))
        return;
    path_ = chosen;
    title(path_, false);
    setChanged(false);
}

bool CfgEditorPresenter::Save() {
    view_.resetMenuButtons();
    if (path_.empty())
        return SaveAs();
    if (!save(path_))
        return false;
    setChanged(false);
    return true;
}

bool CfgEditorPresenter::SaveAs() {
    view_.resetMenuButtons();
    const std::string chosen = s_.catalogue.dialogs.showSave(view_.windowHandle(), cfgeditor::Filter,
                                                             cfgeditor::SaveTitle, dialogDirectory());
    if (chosen.empty() || !save(chosen))
        return false;
    path_ = chosen;
    title(path_, false);
    setChanged(false);
    return true;
}

void CfgEditorPresenter::Exit() {
    view_.resetMenuButtons();
    if (!settleChanges(cfgeditor::ExitQuestion))
        return;
    if (alone())
        view_.endProgram();
    else
        view_.closeToMain();
}

std::string CfgEditorPresenter::selectedText() {
    const std::string text = view_.text();
    const std::size_t start = std::min(view_.selectionStart(), text.size());
    return text.substr(start, view_.selectionLength());
}

void CfgEditorPresenter::Cut() {
    // Removed only once it is on the clipboard: a clipboard another program
    // holds would otherwise swallow the text.
    if (s_.clipboard.setText(selectedText())) {
        view_.replace(view_.selectionStart(), view_.selectionLength(), "");
        setChanged(true);
    }
    view_.focusText();
}

void CfgEditorPresenter::Copy() {
    s_.clipboard.setText(selectedText());
    view_.focusText();
}

void CfgEditorPresenter::Paste() {
    // A clipboard another program holds pastes nothing; the selection stays.
    if (const auto text = s_.clipboard.text()) {
        view_.replace(view_.selectionStart(), view_.selectionLength(), *text);
        setChanged(true);
    }
    view_.focusText();
}

void CfgEditorPresenter::insertVariable(int row) {
    const ServerVariable& variable = VariableAt(row);
    const std::string block = InsertedBlock(variable.valueLine, variable.commentLine);
    const auto at = PlaceInsertedBlock(view_.text(), view_.selectionStart(), view_.selectionLength());
    view_.replace(at.start, at.replaced, block);
    view_.select(at.start, block.size());
    setChanged(true);
    view_.focusText();
}

void CfgEditorPresenter::insertMapName(int row) {
    const std::string name = mapRows_.text(row);
    const std::size_t start = view_.selectionStart();
    view_.replace(start, view_.selectionLength(), name);
    view_.select(start, name.size());
    setChanged(true);
    view_.focusText();
}

void CfgEditorPresenter::runMenu(const Menu& menu, MenuButton under) {
    const int command = view_.popupMenu(menu, under);
    view_.resetMenuButtons();
    if (command)
        onMenuCommand(command);
}

void CfgEditorPresenter::onFileButton() {
    using namespace cfgeditor;
    MenuItem save{SaveCommand, "&Save"};
    save.enabled = changed_;
    runMenu({{NewCommand, "&New"}, {OpenCommand, "&Open"}, Separator(), save, {SaveAsCommand, "Save &As"},
             Separator(), {ExitCommand, "&Exit"}},
            MenuButton::File);
}

void CfgEditorPresenter::onEditButton() {
    using namespace cfgeditor;
    runMenu({{CutCommand, "Cut\tCtrl+X"}, {CopyCommand, "Copy\tCtrl+C"}, {PasteCommand, "Paste\tCtrl+V"}},
            MenuButton::Edit);
}

void CfgEditorPresenter::onInsertButton() {
    using namespace cfgeditor;
    // Read afresh at every press: the game or its map list may have changed.
    const ListControl& games = view_.gameSelector();
    FillMapList(maps_, games.text(games.current()), s_.catalogue.settings, s_.catalogue.fs);
    MenuItem names{0, "Map Name"};
    for (int row = 0; row < mapRows_.count(); ++row)
        names.submenu.push_back({MapCommand + row, mapRows_.text(row)});
    if (names.submenu.empty()) {
        MenuItem none{MapCommand, NoMaps};
        none.enabled = false;
        names.submenu.push_back(none);
    }
    Menu menu{names};
    const Menu variables = VariableMenus(VariableCommand);
    menu.insert(menu.end(), variables.begin(), variables.end());
    runMenu(menu, MenuButton::Insert);
}

void CfgEditorPresenter::onMenuCommand(int command) {
    using namespace cfgeditor;
    if (command >= MapCommand) {
        if (command - MapCommand < mapRows_.count())
            insertMapName(command - MapCommand);
        return;
    }
    if (command >= VariableCommand) {
        if (command - VariableCommand < VariableCount)
            insertVariable(command - VariableCommand);
        return;
    }
    switch (command) {
    case NewCommand:
        New();
        break;
    case OpenCommand:
        Open();
        break;
    case SaveCommand:
        Save();
        break;
    case SaveAsCommand:
        SaveAs();
        break;
    case ExitCommand:
        Exit();
        break;
    case CutCommand:
        Cut();
        break;
    case CopyCommand:
        Copy();
        break;
    case PasteCommand:
        Paste();
        break;
    default:
        break;
    }
}

}  // namespace vantry
