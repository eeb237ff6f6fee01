#pragma once

#include <functional>
#include <string>

#include "core/editors/GameFileEditor.h"
#include "core/ui/Colours.h"
#include "core/ui/Geometry.h"
#include "win/ui/Frame.h"
#include "win/ui/GameCombo.h"

namespace vantry::win {

// Where a window of one file per game puts the parts every such window has.
struct GameFileLayout {
    const wchar_t* className;
    const char* title;
    int widthTwips, heightTwips;
    Rect gameLabel, game, save, close;
};

// The frame of the MOTD and map cycle editors: the game selector and its four
// events, the Save button that shows the unsaved-changes flag, Close, and the
// ways out. The window below it adds its document's controls.
template <typename View>
class GameFileWindow : public Frame, protected View {
public:
    enum : int { IdGame = 500, IdSave, IdClose, IdDocument };

    // Creates the window centred, runs the load step and shows it. EndNow
    // when the user gave up locating hlds.exe or the program.
    LocateResult load(HWND owner) {
        FrameArgs args;
        args.className = layout_.className;
        args.title = layout_.title;
        args.widthTwips = layout_.widthTwips;
        args.heightTwips = layout_.heightTwips;
        args.owner = owner;
        if (!createFrame(args))
            return LocateResult::Known;
        centre();
        // In the order the keyboard goes: the game, the document, the buttons below.
        createGameSelector();
        createDocumentControls();
        createButtons();
        if (editor_.onLoad() == LocateResult::EndNow)
            return LocateResult::EndNow;
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        return LocateResult::Known;
    }

    std::function<void()> onEndProgram;
    std::function<void()> onClosedToMain;

    void unload() override {
        if (!hwnd_)
            return;
        editor_.onUnload();
        Frame::unload();
    }

protected:
    GameFileWindow(WindowSet& windows, GameFileEditor& editor, const GameFileLayout& layout)
        : Frame(windows), editor_(editor), layout_(layout) {}

    virtual void createDocumentControls() = 0;

    // GameFileView
    ListControl& gameSelector() override { return cmbGame_; }
    void setSaveEnabled(bool enabled) override {
        cmdSave_.showEnabled(enabled, EnabledLook::WhiteOrBlack);
    }
    void showTrayIcon(const std::string& tooltip) override { Frame::showTrayIcon(tooltip); }
    WindowHandle windowHandle() override { return hwnd_; }
    void endProgram() override {
        if (onEndProgram)
            onEndProgram();
    }
    void closeToMain() override {
        if (onClosedToMain)
            onClosedToMain();
    }

    void onExit() override { editor_.onClose(); }
    void unsavedWorkChanged() override { onUnsavedWorkChanged(); }
    std::string unsavedWork() override { return editor_.unsavedWork(); }

private:
    void createGameSelector() {
        addLabel(lbGame_, layout_.gameLabel, {.text = gamefile::GameCaption});
        cmbGame_.create(hwnd_, IdGame, px(layout_.game.left), px(layout_.game.top));
        keepPlaced(cmbGame_.hwnd(), layout_.game);
        cmbGame_.onDropDown = [this] { editor_.onGameDropDown(); };
        cmbGame_.onKeyDown = [this](int&, int&) { editor_.onGameKeyDown(); };
        cmbGame_.onClick = [this] { editor_.onGameChange(); };
        cmbGame_.onKeyUp = [this](int&, int&) { editor_.onGameChange(); };
    }
    void createButtons() {
        addButton(cmdSave_, layout_.save,
                  {.id = IdSave, .caption = gamefile::SaveCaption,
                   .textColor = CaptionColour(EnabledLook::WhiteOrBlack, false), .enabled = false});
        addButton(cmdClose_, layout_.close,
                  {.id = IdClose, .caption = gamefile::CloseCaption, .textColor = colour::Orange});
        cmdSave_.onClick = [this] { editor_.onSave(); };
        cmdClose_.onClick = [this] { editor_.onClose(); };
        cmbGame_.setLabel(lbGame_.text());  // its name for screen readers
    }

    GameFileEditor& editor_;
    GameFileLayout layout_;
    Label lbGame_;
    GameCombo cmbGame_;
    FlatButton cmdSave_, cmdClose_;
};

}  // namespace vantry::win
