#include "core/editors/SaveError.h"

namespace vantry {

void ShowSaveError(MessageBoxes& boxes, WindowHandle owner, const std::string& path) {
    boxes.show(owner, "Error saving file '" + path + "'", "Error Saving File", mb::OkOnly | mb::Information);
}

}  // namespace vantry
