// SPDX-License-Identifier: MIT
// Twips on Windows: measured at the primary monitor's DPI, which the program
// reads as a DPI-aware one (see the application manifest).
#include "forms/Twips.h"

#include <cmath>

#include "Native.h"

namespace forms {

namespace {

constexpr float kTwipsPerInch = 1440.0f;

int Round(float value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

namespace win {

UINT Dpi() {
    static const UINT dpi = [] {
        const UINT system = GetDpiForSystem();
        return system ? system : USER_DEFAULT_SCREEN_DPI;
    }();
    return dpi;
}

} // namespace win

float TwipsPerPixelX() {
    return kTwipsPerInch / static_cast<float>(win::Dpi());
}

float TwipsPerPixelY() {
    return kTwipsPerInch / static_cast<float>(win::Dpi());
}

int ToPixelsX(float twips) {
    return Round(twips / TwipsPerPixelX());
}

int ToPixelsY(float twips) {
    return Round(twips / TwipsPerPixelY());
}

PixelRect ToPixels(float left, float top, float width, float height) {
    const int x = ToPixelsX(left);
    const int y = ToPixelsY(top);
    return {x, y, ToPixelsX(left + width) - x, ToPixelsY(top + height) - y};
}

float ToTwipsX(int pixels) {
    return static_cast<float>(pixels) * TwipsPerPixelX();
}

float ToTwipsY(int pixels) {
    return static_cast<float>(pixels) * TwipsPerPixelY();
}

float ScreenWidth() {
    return ToTwipsX(GetSystemMetrics(SM_CXSCREEN));
}

float ScreenHeight() {
    return ToTwipsY(GetSystemMetrics(SM_CYSCREEN));
}

} // namespace forms
