// SPDX-License-Identifier: MIT
// Twips on Windows: measured at the primary monitor's DPI, which the program
// reads as a DPI-aware one (see the application manifest).
#include "forms/Twips.h"

#include "Native.h"

namespace forms {

namespace {

constexpr float kTwipsPerInch = 1440.0f;

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

float ScreenWidth() {
    return ToTwipsX(GetSystemMetrics(SM_CXSCREEN));
}

float ScreenHeight() {
    return ToTwipsY(GetSystemMetrics(SM_CYSCREEN));
}

} // namespace forms
