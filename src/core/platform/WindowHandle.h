#pragma once

namespace vantry {

// A window of this program as the platform knows it (an HWND on Windows). The
// core only passes it through, for example as the owner of a dialog.
using WindowHandle = void*;

}  // namespace vantry
