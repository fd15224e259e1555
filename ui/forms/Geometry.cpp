// SPDX-License-Identifier: MIT
// Positions in twips as the windows set them, their pixels, and the centring
// rule; the same on every platform.
#include <cmath>

#include "Control.h"
#include "Form.h"
#include "Twips.h"

namespace forms {

namespace {

int Round(float value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

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

void Control::SetLeft(float twips) {
    left_ = twips;
    Place();
}

void Control::SetTop(float twips) {
    top_ = twips;
    Place();
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

} // namespace forms
