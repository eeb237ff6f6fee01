#pragma once

namespace vantry {

// Fixed sizes of the program's own controls, in twips.
namespace layout {
inline constexpr int TextFieldHeight = 310;       // txtText, whatever height its host gives it
inline constexpr int TextFieldInset = 10;         // the orange frame around the inner field
inline constexpr int TextFieldInnerHeight = 285;
inline constexpr int TextFieldWidthShrink = 30;   // inner field width = control width - 30
inline constexpr int GameListWidth = 1940;        // cmbGame
inline constexpr int GameListHeight = 300;
}  // namespace layout

}  // namespace vantry
