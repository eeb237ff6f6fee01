#include "win/ui/Accessible.h"

#include <ole2.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <new>

#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"

namespace vantry::win {

using Microsoft::WRL::ComPtr;

bool AccessibleAnswers::covers(HWND, LONG child) const { return child == CHILDID_SELF; }
std::optional<std::string> AccessibleAnswers::name(HWND, LONG) const { return std::nullopt; }
std::optional<LONG> AccessibleAnswers::role(HWND, LONG) const { return std::nullopt; }
LONG AccessibleAnswers::state(HWND, LONG, LONG standard) const { return standard; }

std::optional<std::string> LabelledAnswers::name(HWND, LONG child) const {
    if (child != CHILDID_SELF || label_.empty())
        return std::nullopt;
    return label_;
}

namespace {

// oleacc and the two oleaut32 functions the object needs, found together on
// the first WM_GETOBJECT; null when any is missing.
struct Oleacc {
    using CreateStdFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using LresultFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using AllocFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
    using ClearFunction = HRESULT(WINAPI*)(VARIANTARG*);

    CreateStdFunction createStandard = LateBound<CreateStdFunction>("oleacc.dll", "CreateStdAccessibleObject");
    LresultFunction lresultFromObject = LateBound<LresultFunction>("oleacc.dll", "LresultFromObject");
    AllocFunction allocString = LateBound<AllocFunction>("oleaut32.dll", "SysAllocStringLen");
    ClearFunction clearVariant = LateBound<ClearFunction>("oleaut32.dll", "VariantClear");

    static const Oleacc* get() {
        static const Oleacc found;
        return found.createStandard && found.lresultFromObject && found.allocString && found.clearVariant ? &found
                                                                                                           : nullptr;
    }
};

// The program's text (UTF-8) as a BSTR.
HRESULT ToBstr(const Oleacc& oleacc, const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty())
        return S_FALSE;  // no name, as the standard objects say it
    const std::wstring wide = Widen(text);
    *out = oleacc.allocString(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The standard object of a window with the control's answers over it. It also
// offers the standard object's enumeration of its children, and the window it
// speaks for.
class Proxy final : public IAccessible, public IOleWindow, public IEnumVARIANT {
public:
    Proxy(const Oleacc& oleacc, HWND hwnd, ComPtr<IAccessible> standard,
          std::unique_ptr<const AccessibleAnswers> answers)
        : oleacc_(oleacc), hwnd_(hwnd), standard_(std::move(standard)), answers_(std::move(answers)) {
        standard_.As(&children_);
    }
    Proxy(const Proxy&) = delete;
    Proxy& operator=(const Proxy&) = delete;

    // IUnknown: one identity, the IAccessible.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *out = static_cast<IAccessible*>(this);
        else if (iid == __uuidof(IOleWindow))
            *out = static_cast<IOleWindow*>(this);
        else if (iid == __uuidof(IEnumVARIANT) && children_)
            *out = static_cast<IEnumVARIANT*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: no type information; clients call IAccessible itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: name, role and state from the answers where they speak.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name)
            return E_POINTER;
        try {
            if (const auto id = covered(child))
                if (const auto answer = answers_->name(hwnd_, *id))
                    return ToBstr(oleacc_, *answer, name);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role)
            return E_POINTER;
        if (const auto id = covered(child))
            if (const auto answer = answers_->role(hwnd_, *id)) {
                role->vt = VT_I4;
                role->lVal = *answer;
                return S_OK;
            }
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state)
            return E_POINTER;
        const HRESULT standard = standard_->get_accState(child, state);
        const auto id = covered(child);
        if (!id)
            return standard;
        // An item the standard object does not know (Wine's has no list
        // items) still has the state the control gives it.
        LONG bits = 0;
        if (SUCCEEDED(standard) && state->vt == VT_I4)
            bits = state->lVal;
        else if (SUCCEEDED(standard))
            oleacc_.clearVariant(state);
        state->vt = VT_I4;
        state->lVal = answers_->state(hwnd_, *id, bits);
        return S_OK;
    }

    // IAccessible: the rest is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

    // IOleWindow (WindowFromAccessibleObject asks it).
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        if (!hwnd)
            return E_POINTER;
        *hwnd = hwnd_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IEnumVARIANT: the standard object's children, in its own order; offered
    // only when it enumerates them.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return children_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children_->Clone(copy); }

private:
    ~Proxy() = default;

    // The child's id when the answers speak for it: a whole id, while the
    // window lives.
    std::optional<LONG> covered(const VARIANT& child) const {
        if (child.vt != VT_I4 || !IsWindow(hwnd_) || !answers_->covers(hwnd_, child.lVal))
            return std::nullopt;
        return child.lVal;
    }

    LONG references_ = 1;
    const Oleacc& oleacc_;
    HWND hwnd_;
    ComPtr<IAccessible> standard_;
    ComPtr<IEnumVARIANT> children_;
    std::unique_ptr<const AccessibleAnswers> answers_;
};

}  // namespace

LRESULT AnswerGetObject(HWND hwnd, WPARAM wp, LPARAM lp, std::unique_ptr<const AccessibleAnswers> answers) {
    // The object id is a DWORD, whatever the width of the LPARAM it comes in.
    if (static_cast<DWORD>(lp) != static_cast<DWORD>(OBJID_CLIENT) || !answers)
        return 0;
    const Oleacc* oleacc = Oleacc::get();
    if (!oleacc)
        return 0;
    // Handing the object to a screen reader in another process marshals it,
    // which needs COM on this (the window's) thread.
    EnsureComApartment();
    ComPtr<IAccessible> standard;
    if (FAILED(oleacc->createStandard(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(standard.GetAddressOf()))) ||
        !standard)
        return 0;
    ComPtr<IAccessible> proxy;
    proxy.Attach(new (std::nothrow) Proxy(*oleacc, hwnd, std::move(standard), std::move(answers)));
    if (!proxy)
        return 0;
    // LresultFromObject holds its own reference for the client; ours goes here.
    const LRESULT result = oleacc->lresultFromObject(__uuidof(IAccessible), wp, proxy.Get());
    return result > 0 ? result : 0;
}

}  // namespace vantry::win
