#pragma once

#include "core/editors/MotdEditorPresenter.h"
#include "win/editors/GameFileWindow.h"
#include "win/platform/WideText.h"
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
    void setText(const std::string& text) override { SetWindowTextW(txtMOTD_.hwnd(), Widen(text).c_str()); }
    void setDocumentEnabled(bool enabled) override { EnableWindow(txtMOTD_.hwnd(), enabled); }

    // txtMOTD. Through the dialog keys of the message loop the text box would
    // take Esc for closing its window: the message is not to go on a slip.
    class Text final : public SystemControl {
        LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
            if ((msg == WM_KEYDOWN || msg == WM_CHAR) && wp == VK_ESCAPE)
                return 0;
            return SystemControl::subclassed(hwnd, msg, wp, lp);
        }
    };

    MotdEditorPresenter presenter_;
    Label lbText_;
    Text txtMOTD_;
};

}  // namespace vantry::win
