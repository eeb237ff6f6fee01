#pragma once

#include <string>

#include "core/platform/WindowHandle.h"

namespace vantry {

// Box styles and answers, with the platform's numbers, so that a style such as
// 49 (OK and Cancel with the exclamation icon) reads the same everywhere.
namespace mb {
inline constexpr unsigned OkOnly = 0;
inline constexpr unsigned OkCancel = 1;
inline constexpr unsigned YesNoCancel = 3;
inline constexpr unsigned YesNo = 4;
inline constexpr unsigned Question = 32;
inline constexpr unsigned Exclamation = 48;
inline constexpr unsigned Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace mb

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows a modal box and returns the answer (mb::Ok, mb::Cancel, mb::Yes, mb::No).
    virtual int show(WindowHandle owner, const std::string& text, const std::string& title,
                     unsigned style) = 0;
};

}  // namespace vantry
