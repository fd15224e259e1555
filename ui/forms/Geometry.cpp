// SPDX-License-Identifier: MIT
// Positions in twips as the windows set them, their pixels, the centring
// rule and where a button's picture stands; the same on every platform.
#include <algorithm>
#include <cmath>

#include "Control.h"
#include "Drawing.h"
#include "Form.h"
#include "Platform.h"
#include "Twips.h"

namespace forms {

namespace {

int Round(float value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

float TwipsPerPixelAt(double dotsPerInch) {
    return std::isfinite(dotsPerInch) && dotsPerInch > 0
               ? kTwipsPerInch / static_cast<float>(dotsPerInch)
               : kTwipsPerPixelAt96Dpi;
}

float TwipsPerPixelX() {
    return TwipsPerPixelAt(platform::DotsPerInchX());
}
float TwipsPerPixelY() {
    return TwipsPerPixelAt(platform::DotsPerInchY());
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
    return platform::ScreenPixelsWide() * TwipsPerPixelX();
}
float ScreenHeight() {
    return platform::ScreenPixelsHigh() * TwipsPerPixelY();
}

void Control::SetLeft(float twips) {
    Move(twips, top_, width_, height_);
}

void Control::SetTop(float twips) {
    Move(left_, twips, width_, height_);
}

void Control::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Place();
}

void Form::SetLeft(float twips) {
    left_ = twips;
    Place();
}

void Form::SetTop(float twips) {
    top_ = twips;
    Place();
}

float Centred(float screen, float outer) {
    return (screen - outer) / 2;
}

void Centre(Form& form) {
    form.SetTop(Centred(ScreenHeight(), form.OuterHeight()));
    form.SetLeft(Centred(ScreenWidth(), form.OuterWidth()));
}

PixelRect PictureBox(int buttonWidth, int roomBottom, int pictureWidth, int pictureHeight) {
    // A pixel clear of the button's top edge and of the letters below.
    constexpr int top = 1;
    const int room = roomBottom - 1 - top;
    int width = pictureWidth, height = pictureHeight;
    if (height > room && height > 0) {
        const int shorter = std::max(1, room);
        width = std::max(1, static_cast<int>(static_cast<long long>(width) * shorter / height));
        height = shorter;
    }
    return {(buttonWidth - width) / 2, top + (room - height) / 2, width, height};
}

} // namespace forms
