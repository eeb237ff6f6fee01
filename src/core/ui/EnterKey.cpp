#include "core/ui/EnterKey.h"

namespace vantry {

int EnterKey::pressed(int focused, bool focusedButton, const std::function<bool(int button)>& enabled) const {
    if (focusedButton)
        return focused;
    for (const FieldButton& f : fieldButtons)
        if (f.field == focused && enabled(f.button))
            return f.button;
    return defaultButton;
}

}  // namespace vantry
