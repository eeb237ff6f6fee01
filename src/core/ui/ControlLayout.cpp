#include "core/ui/ControlLayout.h"

#include "core/ui/Geometry.h"
#include "core/ui/Sizes.h"

#include <algorithm>


namespace vantry {

namespace {

Rect EdgesToPixels(const Rect& twips, int dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return {left, top, TwipsToPixels(twips.right(), dpi) - left, TwipsToPixels(twips.bottom(), dpi) - top};
}

}  // namespace

TextFieldLayout TextFieldPixels(int widthPx, int dpi) {
    using namespace layout;
    const int inset = TwipsToPixels(TextFieldInset, dpi);
    return {widthPx, TwipsToPixels(TextFieldHeight, dpi),
            {inset, inset, std::max(0, widthPx - TwipsToPixels(TextFieldWidthShrink, dpi)),
             TwipsToPixels(TextFieldInnerHeight, dpi)}};
}

namespace {
GameComboLayout GameComboTwips() {
    using namespace layout;
    return {GameListWidth,
            GameListHeight,
            {0, 0, GameListInnerWidth, GameListInnerHeight},
            {{{0, 0, 15, 330}, {20, 0, 1910, 15}, {20, 290, 1910, 15}, {1920, 0, 25, 345}}}};
}
}  // namespace

GameComboLayout GameComboPixels(int dpi) {
    const GameComboLayout twips = GameComboTwips();
    GameComboLayout px;
    px.width = TwipsToPixels(twips.width, dpi);
    px.height = TwipsToPixels(twips.height, dpi);
    px.list = EdgesToPixels(twips.list, dpi);
    for (std::size_t i = 0; i < twips.strips.size(); ++i)
        px.strips[i] = EdgesToPixels(twips.strips[i], dpi);
    // The top and bottom strips start 5 twips right of the left strip: no gap
    // at 96 DPI, but a pixel of the list's grey border at 120. Close it.
    const int leftEnd = px.strips[0].right();
    for (Rect* strip : {&px.strips[1], &px.strips[2]}) {
        if (strip->left > leftEnd) {
            strip->width += strip->left - leftEnd;
            strip->left = leftEnd;
        }
    }
    return px;
}

}  // namespace vantry
