#include "core/ui/FlatButtonLook.h"

#include "core/ui/Colours.h"

namespace vantry {

namespace {
// Rounds towards minus infinity, so that a picture larger than its button
// overhangs by the same pixel on either side whatever the sign of the room.
int HalfOf(int room) { return room >= 0 ? room / 2 : -((1 - room) / 2); }
}  // namespace

const std::string& ShownPicture(const std::string& picture, const std::string& pictureOver,
                                bool hovering) {
    return hovering && !pictureOver.empty() ? pictureOver : picture;
}

std::string WithoutMnemonic(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

std::uint32_t FocusCueColour(std::uint32_t textColour, std::uint32_t backColour) {
    return textColour != backColour ? textColour : ~backColour & 0xFFFFFFu;
}

std::uint32_t CaptionColour(EnabledLook look, bool enabled) {
    if (look == EnabledLook::WhiteOrBlack)
        return enabled ? colour::White : colour::Black;
    return enabled ? colour::Orange : colour::DimOrange;
}

Rect PicturePlacement(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight,
                           int scale, bool pressed) {
    if (scale < 1)
        scale = 1;
    Rect r;
    r.width = pictureWidth * scale;
    r.height = pictureHeight * scale;
    const int shift = pressed ? PressedShift : 0;
    r.left = HalfOf(areaWidth - r.width) + shift;
    r.top = HalfOf(areaHeight - r.height) + shift;
    return r;
}

}  // namespace vantry
