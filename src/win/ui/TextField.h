#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "win/ui/Control.h"
#include "win/ui/KeyEvents.h"

namespace vantry::win {

// txtText: a one-line field in a thin orange frame, black inside with orange
// Tahoma text. The frame is the control's own window; the field is an EDIT
// inside it. Whatever height a host gives it, the control keeps its own.
class TextField : public Control {
public:
    TextField() = default;
    ~TextField() override;

    bool create(HWND parent, int id, int x, int y, int widthPx, bool tabStop = true);
    void move(int x, int y, int widthPx, int heightPx);

    std::string text() const;
    void setText(const std::string& text);
    bool enabled() const;
    void setEnabled(bool enabled);
    bool locked() const;
    void setLocked(bool locked);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);  // 0: no limit
    std::string passwordChar() const { return passwordChar_; }
    void setPasswordChar(const std::string& ch);  // "": plain text
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    std::string selText() const;
    void setSelText(const std::string& text);
    std::string toolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& text);

    HWND field() const { return field_; }
    HWND toolTip() const { return tip_; }

    // Shift state: 1 Shift, 2 Ctrl, 4 Alt, added up. A key or character set to 0
    // by a handler never reaches the field; a changed character is typed instead.
    std::function<void()> onChange;
    KeyHandler onKeyDown;
    CharHandler onKeyPress;
    KeyHandler onKeyUp;

    bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    LRESULT frameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT fieldMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void layOut();
    std::pair<int, int> selection() const;
    void showToolTip(const std::string& text);

    HWND field_ = nullptr;
    WNDPROC fieldProc_ = nullptr;
    HWND tip_ = nullptr;
    int maxLength_ = 0;
    std::string passwordChar_;
    std::string toolTip_;
};

}  // namespace vantry::win
