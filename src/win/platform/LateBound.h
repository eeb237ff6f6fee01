#pragma once

#include <windows.h>

#include "win/platform/WideText.h"

namespace vantry::win {

// A function of a system DLL that the program needs only now and then (the
// file dialogs, the shell). Found on first use instead of imported, so loading
// those large DLLs does not delay the first window; null if it cannot be had.
template <typename Function>
Function LateBound(const char* dll, const char* name) {
    const std::wstring file = Widen(dll);
    HMODULE module = GetModuleHandleW(file.c_str());
    if (!module)
        module = LoadLibraryW(file.c_str());  // stays loaded for the rest of the run
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

// The shell and the file dialogs load shell extensions, and some of those need
// COM, apartment-threaded, on the calling thread. Called before each use; ole32
// is found then too, so start-up does not pay for it.
inline void EnsureComApartment() {
    thread_local const bool initialised = [] {
        using InitFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto init = LateBound<InitFunction>("ole32.dll", "CoInitializeEx");
        // COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE; kept for the
        // thread's life, as the user-interface thread lives as long as the program.
        return init && SUCCEEDED(init(nullptr, 0x2 | 0x4));
    }();
    (void)initialised;
}

}  // namespace vantry::win
