#pragma once

namespace vantry {

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

// Every stored or fixed geometry is in twips (1/1440 inch); this is the one
// conversion to pixels, rounding to the nearest pixel.
int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);

// A bitmap picture button scales by whole pixels so its glyphs stay sharp:
// 1 up to 143 DPI, 2 from 144 DPI, and so on.
int PictureScale(int dpi);

}  // namespace vantry
