#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/ui/Geometry.h"
#include "core/ui/ListControl.h"
#include "win/ui/Control.h"

namespace vantry::win {

// A plain system control (a multi-line EDIT, a LISTBOX, a group box) in the
// program's look: orange Tahoma on black, the font following the DPI.
class SystemControl : public Control {
public:
    bool create(HWND parent, const wchar_t* className, const std::string& text, DWORD style, int id,
                const Rect& pixels);

    std::function<void(int code)> onCommand;  // its notifications (EN_CHANGE, LBN_SELCHANGE...)

    bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

protected:
    LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
};

// A list box as the catalogue and the editors reach it; sorted or not as created.
class ListBox final : public SystemControl, public ListControl {
public:
    bool create(HWND parent, int id, const Rect& pixels, bool sorted);

    void clear() override { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }
    int add(const std::string& text) override;
    void fill(const std::vector<std::string>& texts) override;
    void remove(int row) override { SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(row), 0); }
    std::string text(int row) const override;
    int count() const override { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
    int current() const override { return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }
    void setCurrent(int row) override { SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }
    void insert(int row, const std::string& text) override;

private:
    bool sorted() const { return GetWindowLongPtrW(hwnd_, GWL_STYLE) & LBS_SORT; }
};

}  // namespace vantry::win
