#include "core/ui/Geometry.h"

#include <algorithm>
#include <cmath>

namespace vantry {

int TwipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

double PixelsToTwips(int pixels, int dpi) { return dpi > 0 ? pixels * 1440.0 / dpi : 0.0; }

Rect Centred(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

Rect MovedInto(const Rect& window, const Rect& area) {
    const auto into = [](int start, int size, int areaStart, int areaSize) {
        return std::max(areaStart, std::min(start, areaStart + areaSize - size));
    };
    return {into(window.left, window.width, area.left, area.width), into(window.top, window.height, area.top, area.height),
            window.width, window.height};
}

int PictureScale(int dpi) {
    const int scale = (dpi + 48) / 96;
    return scale < 1 ? 1 : scale;
}

}  // namespace vantry
