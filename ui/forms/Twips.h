// SPDX-License-Identifier: MIT
// Twips (1/1440 inch) and the screen, as the windows measure them.
#pragma once

#include "Types.h"

namespace forms {

inline constexpr float kTwipsPerInch = 1440.0f;
// Twips per pixel on a 96 DPI screen, where a picture's pixels are its design
// size; also the measure where a screen reports no usable resolution.
inline constexpr float kTwipsPerPixelAt96Dpi = 15.0f;

// Twips per pixel at a resolution in dots per inch; 96 DPI's where the
// resolution is zero, negative or not a number (broken scale settings).
float TwipsPerPixelAt(double dotsPerInch);

// Twips per pixel on the screen: 1440 / its logical DPI (15 at 96 DPI).
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
