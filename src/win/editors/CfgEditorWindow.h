#pragma once

#include <functional>
#include <string>
#include <utility>

#include "core/editors/CfgEditorPresenter.h"
#include "win/ui/Frame.h"
#include "win/ui/GameCombo.h"

namespace vantry::win {

// frmCFG: one .cfg document in a plain multi-line text box, with the File,
// Edit and Insert menus under their buttons and the game whose folder the
// dialogs open in and whose maps the Insert menu offers.
class CfgEditorWindow : public Frame, private CfgEditorView {
public:
    enum : int { IdFile = 400, IdEdit, IdInsert, IdGame, IdText };

    CfgEditorWindow(WindowSet& windows, const CfgEditorServices& services);
    ~CfgEditorWindow() override;

    // Creates the window and runs the load step; shown at once unless it waits
    // for its deferred open. EndNow when the user gave up locating hlds.exe.
    LocateResult load(HWND owner);

    CfgEditorPresenter& presenter() { return presenter_; }

    std::function<void()> onEndProgram;
    std::function<void()> onClosedToMain;

    void unload() override;

private:
    // txtCFG: the platform's multi-line text box in its own colours. Cut,
    // copy and paste, by keys or by its context menu, go through the program.
    class Text : public Control {
    public:
        explicit Text(CfgEditorPresenter& presenter) : presenter_(presenter) {}
        bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    private:
        LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
        CfgEditorPresenter& presenter_;
    };

    // CfgEditorView
    std::string text() override;
    void setText(const std::string& text) override;
    std::size_t selectionStart() override;
    std::size_t selectionLength() override;
    void replace(std::size_t start, std::size_t length, const std::string& text) override;
    void select(std::size_t start, std::size_t length) override;
    // The selection's start and length, in bytes of the document's UTF-8.
    std::pair<std::size_t, std::size_t> selection() const;
    void focusText() override { SetFocus(txtCFG_.hwnd()); }
    void setTitle(const std::string& caption) override { Frame::setTitle(caption); }
    bool trayIconShown() override { return trayIcon() && trayIcon()->shown(); }
    void showTrayIcon(const std::string& tip) override { Frame::showTrayIcon(tip); }
    ListControl& gameSelector() override { return cmbGame_; }
    int popupMenu(const Menu& menu, MenuButton under) override;
    void resetMenuButtons() override;
    // Minimized, the window's place is nowhere the user could find it again.
    bool windowVisible() override { return IsWindowVisible(hwnd_) && !IsIconic(hwnd_); }
    void showWindow() override;
    Rect placeTwips() override { return Frame::placeTwips(); }
    void place(const Rect& twips) override;
    int screenWidthTwips() override { return Frame::screenWidthTwips(); }
    int screenHeightTwips() override { return Frame::screenHeightTwips(); }
    WindowHandle windowHandle() override { return hwnd_; }
    void endProgram() override;
    void closeToMain() override;
    void unsavedWorkChanged() override { onUnsavedWorkChanged(); }
    std::string unsavedWork() override { return presenter_.unsavedWork(); }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onExit() override { presenter_.Exit(); }
    // A document window does not close on Esc, wherever the focus is (after
    // Esc closed one of its menus, it is on that menu's button): Esc only
    // closes a menu, which the menu does itself.
    void onEscape() override {}
    void onDpiChanged() override;
    void createControls();
    void layOut();

    CfgEditorPresenter presenter_;
    FlatButton cmdFile_, cmdedit_, cmdInsert_;
    Label lbGame_;
    GameCombo cmbGame_;
    Text txtCFG_{presenter_};
};

}  // namespace vantry::win
