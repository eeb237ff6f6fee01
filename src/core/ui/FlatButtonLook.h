#pragma once

#include <cstdint>
#include <string>

#include "core/ui/Geometry.h"


namespace vantry {

// The decisions behind the flat picture button's look, kept apart from GDI so
// they can be checked without a window.

// The picture on show: the hover picture while the mouse is over the button,
// when there is one; the resting picture otherwise.
const std::string& ShownPicture(const std::string& picture, const std::string& pictureOver,
                                bool hovering);

// A pressed button's content moves down and right by this many pixels, the
// only sign of the press on a flat button.
inline constexpr int PressedShift = 1;
// The keyboard focus cue sits this many pixels inside the button's edge.
inline constexpr int FocusCueInset = 2;

// A caption as shown while keyboard cues are hidden: without the "&" that marks
// the mnemonic ("&&" stands for one "&"; a last lone "&" is shown as it is).
std::string WithoutMnemonic(const std::string& caption);

// The colour of the focus cue's dots: the caption colour, unless that would
// vanish into the background (a black caption on black), then the inverse of
// the background. Colours are Windows colour values.
std::uint32_t FocusCueColour(std::uint32_t textColour, std::uint32_t backColour);

// A flat button shows whether it is enabled by its caption's colour alone:
// white or black where its being enabled tells of something to do (Start,
// Save, Apply), orange or dim orange elsewhere.
enum class EnabledLook { WhiteOrBlack, OrangeOrDim };
std::uint32_t CaptionColour(EnabledLook look, bool enabled);

// Where a picture of the given size lands in a button's area: enlarged by a
// whole-pixel scale, centred (an odd pixel of spare room goes right and below),
// and shifted while pressed.
Rect PicturePlacement(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight,
                           int scale, bool pressed);

}  // namespace vantry
