// SPDX-License-Identifier: MIT
// The screen as Qt reports it: the primary screen's logical resolution and
// size.
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "forms/Platform.h"

namespace forms::platform {

namespace {

const QScreen* Screen() {
    return QGuiApplication::primaryScreen();
}

// The pixels from first to last, counted without overflow whatever the screen reports
// (QRect::width() overflows on a screen that spans every int), and never below zero.
float Extent(int first, int last) {
    return std::max(0.0f, static_cast<float>(qint64{last} - first + 1));
}

} // namespace

double DotsPerInchX() {
    const QScreen* screen = Screen();
    return screen ? screen->logicalDotsPerInchX() : 0.0;
}

double DotsPerInchY() {
    const QScreen* screen = Screen();
    return screen ? screen->logicalDotsPerInchY() : 0.0;
}

float ScreenPixelsWide() {
    const QScreen* screen = Screen();
    return screen ? Extent(screen->geometry().left(), screen->geometry().right()) : 0.0f;
}

float ScreenPixelsHigh() {
    const QScreen* screen = Screen();
    return screen ? Extent(screen->geometry().top(), screen->geometry().bottom()) : 0.0f;
}

} // namespace forms::platform
