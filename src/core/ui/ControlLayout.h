#pragma once

#include <array>

#include "core/ui/Geometry.h"


namespace vantry {

namespace layout {
// cmbGame's inner list is a little wider than the control, so its right border
// falls outside and under the right strip, and as tall as a drop-down list of
// 8 pt Tahoma is at 96 DPI, so its lower border is clipped or hidden by the
// bottom strip at every DPI.
inline constexpr int GameListInnerWidth = 1945;
inline constexpr int GameListInnerHeight = 315;
}  // namespace layout

// txtText keeps its own height whatever its host asks for; the inner field sits
// inside a thin orange frame.
struct TextFieldLayout {
    int width = 0;
    int height = 0;
    Rect field;
};

// At a DPI, for a host that sized the control in pixels: the frame is taken
// off the given pixel width, so the control keeps exactly that width.
TextFieldLayout TextFieldPixels(int widthPx, int dpi);

// cmbGame has one fixed size; four orange strips lie over its inner list's
// edges and draw its flat frame.
struct GameComboLayout {
    int width = 0;
    int height = 0;
    Rect list;
    std::array<Rect, 4> strips;  // left, top, bottom, right
};

// The strips are converted edge by edge, so that strips which meet in twips
// still meet in pixels.
GameComboLayout GameComboPixels(int dpi);

}  // namespace vantry
