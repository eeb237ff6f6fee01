#pragma once

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <string>

#include "win/platform/WideText.h"

namespace vantry::testutil {

// Whether the tests run under Wine, whose oleacc knows less than Windows'
// (no list items, no combo box role or value, and owner-drawn buttons are
// plain client areas); a test expects either system's own answer.
inline bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// A control as a screen reader reads it, in this process or another: the
// object its window gives for its client area (WM_GETOBJECT), asked again on
// every call.
class ScreenReader {
public:
    explicit ScreenReader(HWND hwnd)
        : result_(WithCom() ? AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(object_.GetAddressOf()))
                            : CO_E_NOTINITIALIZED) {}
    // Without an object, every answer is none.
    explicit operator bool() const { return object_ != nullptr; }
    HRESULT result() const { return result_; }

    // "" when it has none.
    std::string name(LONG child = CHILDID_SELF) const { return text(&IAccessible::get_accName, child); }
    std::string value(LONG child = CHILDID_SELF) const { return text(&IAccessible::get_accValue, child); }
    // -1 when it has none.
    LONG role(LONG child = CHILDID_SELF) const { return number(&IAccessible::get_accRole, child); }
    bool has(LONG stateBits, LONG child = CHILDID_SELF) const {
        return (number(&IAccessible::get_accState, child) & stateBits) == stateBits;
    }

private:
    // A screen reader's thread is in a COM apartment: an object from another
    // process comes through COM. Kept for the thread's life.
    static bool WithCom() {
        thread_local const bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        return initialised;
    }
    static VARIANT Child(LONG child) {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        return id;
    }
    std::string text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), LONG child) const {
        BSTR wide = nullptr;
        std::string text;
        if (object_ && SUCCEEDED((object_.Get()->*get)(Child(child), &wide)) && wide)
            text = win::Narrow(std::wstring_view(wide, SysStringLen(wide)));
        SysFreeString(wide);
        return text;
    }
    LONG number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG child) const {
        VARIANT answer{};
        LONG result = -1;
        if (object_ && SUCCEEDED((object_.Get()->*get)(Child(child), &answer)) && answer.vt == VT_I4)
            result = answer.lVal;
        VariantClear(&answer);
        return result;
    }

    Microsoft::WRL::ComPtr<IAccessible> object_;
    HRESULT result_;
};

}  // namespace vantry::testutil
