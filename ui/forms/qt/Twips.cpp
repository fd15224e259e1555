// SPDX-License-Identifier: MIT
#include "forms/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

constexpr float kTwipsPerInch = 1440.0f;
// Used when no screen is known: 96 DPI.
constexpr float kDefaultTwipsPerPixel = 15.0f;

const QScreen* Screen() {
    return QGuiApplication::primaryScreen();
}

// Twips per pixel at a resolution a screen reports, which may be zero or not a number when the
// scale settings are broken.
float TwipsPerPixel(qreal dotsPerInch) {
    return std::isfinite(dotsPerInch) && dotsPerInch > 0
               ? kTwipsPerInch / static_cast<float>(dotsPerInch)
               : kDefaultTwipsPerPixel;
}

// The pixels from first to last, counted without overflow whatever the screen reports
// (QRect::width() overflows on a screen that spans every int), and never below zero.
float Extent(int first, int last) {
    return std::max(0.0f, static_cast<float>(qint64{last} - first + 1));
}

} // namespace

float TwipsPerPixelX() {
    const QScreen* screen = Screen();
    return screen ? TwipsPerPixel(screen->logicalDotsPerInchX()) : kDefaultTwipsPerPixel;
}

float TwipsPerPixelY() {
    const QScreen* screen = Screen();
    return screen ? TwipsPerPixel(screen->logicalDotsPerInchY()) : kDefaultTwipsPerPixel;
}

float ScreenWidth() {
    const QScreen* screen = Screen();
    if (!screen)
        return 0.0f;
    const QRect geometry = screen->geometry();
    return Extent(geometry.left(), geometry.right()) * TwipsPerPixelX();
}

float ScreenHeight() {
    const QScreen* screen = Screen();
    if (!screen)
        return 0.0f;
    const QRect geometry = screen->geometry();
    return Extent(geometry.top(), geometry.bottom()) * TwipsPerPixelY();
}

} // namespace forms
