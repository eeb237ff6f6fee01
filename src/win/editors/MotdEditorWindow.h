#pragma once

#include "core/editors/MotdEditorPresenter.h"
#include "win/editors/GameFileWindow.h"
#include "win/ui/Label.h"
#include "win/ui/SystemControl.h"

namespace vantry::win {

// frmMOTD: one game's motd.txt in a multi-line text box.
class MotdEditorWindow final : public GameFileWindow<MotdEditorView> {
public:
    MotdEditorWindow(WindowSet& windows, const GameFileServices& services);
    ~MotdEditorWindow() override;

    MotdEditorPresenter& presenter() { return presenter_; }

private:
    void createDocumentControls() override;
    std::string text() override { return TextOf(txtMOTD_.hwnd()); }
    void setText(const std::string& text) override { SetWindowTextA(txtMOTD_.hwnd(), text.c_str()); }

    MotdEditorPresenter presenter_;
    Label lbText_;
    SystemControl txtMOTD_;
};

}  // namespace vantry::win
