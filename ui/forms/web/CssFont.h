// SPDX-License-Identifier: MIT
// A designed font as the page draws it.
#pragma once

#include <string>

#include "forms/Types.h"

namespace forms::web {

// The size of the texts that have no font of their own, in CSS pixels.
inline constexpr double kDefaultFontPixels = 13.0;
// Lines of text, in font sizes: Amiri's own line spacing is almost twice its
// size, which would leave the labels a line short of their design.
inline constexpr double kLineHeight = 1.3;
// A button's caption is one line, set closer.
inline constexpr double kButtonLineHeight = 1.15;

// The CSS font shorthand for the face that draws the designed font here.
std::string CssFont(const DesignFont& design, double lineHeight = kLineHeight);
// Its size in CSS pixels.
double FontPixels(const DesignFont& design);

} // namespace forms::web
