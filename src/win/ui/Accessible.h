#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace vantry::win {

// What a control tells screen readers where the system's standard object for
// its window (oleacc's proxy for a BUTTON, a LISTBOX, an EDIT...) says too
// little. Everything else is the standard object's. Each answer is read afresh
// from the window on every call, so that an object a screen reader keeps stays
// true as the control changes.
class AccessibleAnswers {
public:
    virtual ~AccessibleAnswers() = default;

    // Whether the answers below speak for this child: CHILDID_SELF, or an
    // item's id (from 1). The standard object answers for any other.
    virtual bool covers(HWND hwnd, LONG child) const;
    // Empty: the standard object's answer.
    virtual std::optional<std::string> name(HWND hwnd, LONG child) const;
    virtual std::optional<LONG> role(HWND hwnd, LONG child) const;
    // The state bits from the standard ones (0 where it has none).
    virtual LONG state(HWND hwnd, LONG child, LONG standard) const;
};

// A control named by the label shown before it, as a whole.
class LabelledAnswers : public AccessibleAnswers {
public:
    explicit LabelledAnswers(std::string label) : label_(std::move(label)) {}
    std::optional<std::string> name(HWND hwnd, LONG child) const override;

private:
    std::string label_;
};

// The answer to WM_GETOBJECT for the control's client area: the standard
// object with these answers over it. 0 for any other object asked for, or
// when oleacc is missing: the control's own procedure then answers as usual.
// oleacc.dll is found on the first call, not at start-up.
LRESULT AnswerGetObject(HWND hwnd, WPARAM wp, LPARAM lp, std::unique_ptr<const AccessibleAnswers> answers);

}  // namespace vantry::win
