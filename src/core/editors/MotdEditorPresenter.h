#pragma once

#include <string>

#include "core/editors/GameFileEditor.h"

namespace vantry {

namespace motd {
inline constexpr char Title[] = "MOTD (motd.txt) Editor";
inline constexpr char TextCaption[] = "Message of the Day:";
inline constexpr GameFileTexts Texts{"motd.txt", "MOTD.txt", "Save changes to current MOTD.txt?", "MOTD Editor"};
}  // namespace motd

// What frmMOTD shows beyond the shared parts: the one text box.
class MotdEditorView : public GameFileView {
public:
    virtual std::string text() = 0;  // txtMOTD
    virtual void setText(const std::string& text) = 0;
};

// frmMOTD: each game's motd.txt in one text box.
class MotdEditorPresenter : public GameFileEditor {
public:
    MotdEditorPresenter(MotdEditorView& view, GameFileServices services)
        : GameFileEditor(view, services, motd::Texts), view_(view) {}

    void onTextChanged() { setChanged(true); }

private:
    // A game without a motd.txt gets an empty one at once.
    bool read(const std::string& game) override;
    std::string fileText() override;

    MotdEditorView& view_;
};

}  // namespace vantry
