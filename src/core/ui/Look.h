#pragma once

#include <cstdint>

namespace vantry {

// Colours as Windows colour values (0x00BBGGRR).
namespace colour {
inline constexpr std::uint32_t Orange = 0x0067F0;     // text, labels, lines; the active title
inline constexpr std::uint32_t DimOrange = 0x004BAA;  // the title while another window is active
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t LinkBlue = 0xFF0000;
}  // namespace colour

// A rectangle by its top left corner and size, in twips wherever a window's
// geometry is fixed or stored, in pixels once converted.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

// A window of the given size centred on the screen (any unit, twips in practice).
Rect Centred(int screenWidth, int screenHeight, int width, int height);

// The window moved just far enough to lie within the area; one larger than
// the area keeps its top left corner at the area's.
Rect MovedInto(const Rect& window, const Rect& area);

// Mouse buttons as the program's events report them.
namespace mouse {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
}  // namespace mouse

// Only the left button drags a window by its background, labels or panels.
inline bool StartsDrag(int button) { return button == mouse::Left; }

// Every stored or fixed geometry is in twips (1/1440 inch); this is the one
// conversion to pixels, rounding to the nearest pixel.
int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);

// Fixed sizes of the program's own controls, in twips.
namespace layout {
inline constexpr int TextFieldHeight = 310;       // txtText, whatever height its host gives it
inline constexpr int TextFieldInset = 10;         // the orange frame around the inner field
inline constexpr int TextFieldInnerHeight = 285;
inline constexpr int TextFieldWidthShrink = 30;   // inner field width = control width - 30
inline constexpr int GameListWidth = 1940;        // cmbGame
inline constexpr int GameListHeight = 300;
}  // namespace layout

// A bitmap picture button scales by whole pixels so its glyphs stay sharp:
// 1 up to 143 DPI, 2 from 144 DPI, and so on.
int PictureScale(int dpi);

}  // namespace vantry
