#pragma once

namespace vantry {

// Mouse buttons as the program's events report them.
namespace mouse {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
}  // namespace mouse

// Only the left button drags a window by its background, labels or panels.
inline bool StartsDrag(int button) { return button == mouse::Left; }

}  // namespace vantry
