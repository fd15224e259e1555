// SPDX-License-Identifier: MIT
#include "forms/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace forms {

namespace {

constexpr float kTwipsPerInch = 1440.0f;
// Used when no screen is known: 96 DPI.
constexpr float kDefaultTwipsPerPixel = 15.0f;

const QScreen* Screen() {
    return QGuiApplication::primaryScreen();
}

int Round(float value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

float TwipsPerPixelX() {
    const QScreen* screen = Screen();
    return screen ? kTwipsPerInch / static_cast<float>(screen->logicalDotsPerInchX())
                  : kDefaultTwipsPerPixel;
}

float TwipsPerPixelY() {
    const QScreen* screen = Screen();
    return screen ? kTwipsPerInch / static_cast<float>(screen->logicalDotsPerInchY())
                  : kDefaultTwipsPerPixel;
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
    const QScreen* screen = Screen();
    return screen ? ToTwipsX(screen->geometry().width()) : 0.0f;
}

float ScreenHeight() {
    const QScreen* screen = Screen();
    return screen ? ToTwipsY(screen->geometry().height()) : 0.0f;
}

} // namespace forms
