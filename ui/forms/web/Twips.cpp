// SPDX-License-Identifier: MIT
// A page measures in CSS pixels, 96 to the inch: 15 twips each. The screen
// is the page's viewport, in the pixels of the windows as they stand on it
// (larger than the viewport where the windows are scaled down to fit).
#include "forms/Twips.h"

#include "Dom.h"

namespace forms {

namespace {
constexpr float kTwipsPerCssPixel = 15.0f;
}

float TwipsPerPixelX() {
    return kTwipsPerCssPixel;
}
float TwipsPerPixelY() {
    return kTwipsPerCssPixel;
}

float ScreenWidth() {
    return static_cast<float>(vk_size(0, 0)) * kTwipsPerCssPixel;
}
float ScreenHeight() {
    return static_cast<float>(vk_size(0, 1)) * kTwipsPerCssPixel;
}

} // namespace forms
