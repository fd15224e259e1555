// SPDX-License-Identifier: MIT
// Twips (1/1440 inch) and the screen, as the windows measure them.
#pragma once

#include "Types.h"

namespace forms {

// Twips per pixel: 1440 / the screen's logical DPI (15 at 96 DPI).
float TwipsPerPixelX();
float TwipsPerPixelY();

// The only place where twips become pixels.
int ToPixelsX(float twips);
int ToPixelsY(float twips);
// The pixel box of a twips box: both edges rounded, so neighbours stay flush.
PixelRect ToPixels(float left, float top, float width, float height);

float ToTwipsX(int pixels);
float ToTwipsY(int pixels);

// The whole primary screen, in twips.
float ScreenWidth();
float ScreenHeight();

} // namespace forms
