// SPDX-License-Identifier: MIT
// The screen on Windows: measured at the primary monitor's DPI, which the
// program reads as a DPI-aware one (see the application manifest).
#include "Native.h"
#include "forms/Platform.h"

namespace forms {

UINT win::Dpi() {
    static const UINT dpi = [] {
        const UINT system = GetDpiForSystem();
        return system ? system : USER_DEFAULT_SCREEN_DPI;
    }();
    return dpi;
}

double platform::DotsPerInchX() {
    return win::Dpi();
}

double platform::DotsPerInchY() {
    return win::Dpi();
}

float platform::ScreenPixelsWide() {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN));
}

float platform::ScreenPixelsHigh() {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN));
}

} // namespace forms
