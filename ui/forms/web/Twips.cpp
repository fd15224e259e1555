// SPDX-License-Identifier: MIT
// A page measures in CSS pixels, 96 to the inch. The screen is the page's
// viewport, in the pixels of the windows as they stand on it (larger than the
// viewport where the windows are scaled down to fit it).
#include "Dom.h"
#include "forms/Platform.h"

namespace forms::platform {

namespace {
constexpr double kCssPixelsPerInch = 96;
}

double DotsPerInchX() {
    return kCssPixelsPerInch;
}
double DotsPerInchY() {
    return kCssPixelsPerInch;
}

float ScreenPixelsWide() {
    return static_cast<float>(vk_size(0, 0));
}
float ScreenPixelsHigh() {
    return static_cast<float>(vk_size(0, 1));
}

} // namespace forms::platform
