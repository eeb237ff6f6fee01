#pragma once

#include <string>

#include "core/platform/MessageBoxes.h"
#include "core/platform/WindowHandle.h"

namespace vantry {

// What every window that saves a file says when the save did not reach the
// disk (the old file is as it was): "Error Saving File", OK, information icon.
void ShowSaveError(MessageBoxes& boxes, WindowHandle owner, const std::string& path);

}  // namespace vantry
