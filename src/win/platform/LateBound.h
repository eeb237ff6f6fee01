#pragma once

#include <windows.h>

namespace vantry::win {

// A function of a system DLL that the program needs only now and then (the
// file dialogs, the shell). Found on first use instead of imported, so loading
// those large DLLs does not delay the first window; null if it cannot be had.
template <typename Function>
Function LateBound(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (!module)
        module = LoadLibraryA(dll);  // stays loaded for the rest of the run
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace vantry::win
