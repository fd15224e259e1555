// SPDX-License-Identifier: MIT
// Whether a committed picture is still what velkaro-draw-pictures makes.
#pragma once

#include <QImage>
#include <QString>

namespace velkaro::pictures {

enum class Match {
    // Pixel art copied from the XPM sources, and anything else made without blending: every
    // pixel is the same on every machine, so every pixel must be equal.
    Exact,
    // Drawn with antialiasing: blending rounds differently from one CPU to the next (a level
    // up or down per blended layer), so edges may differ by a little, but nothing more.
    Smooth,
};

// How far a smooth picture may stray, comparing premultiplied ARGB channels in levels of 255.
// Rounding in two blended layers (fill over outline) moves a channel by at most 2. A pixel on
// an edge that a coordinate's last bit moves across a 1/64 pixel step may change by a few
// levels more, so a few of those pass too. A stroke moved by a pixel changes many pixels by
// far more; a colour changed by more than 2 levels changes every pixel painted with it.
struct SmoothTolerance {
    int noise = 2;             // any channel of any pixel may differ by this much
    int strayLevels = 16;      // ... a few pixels by at most this much
    double strayShare = 0.001; // ... at most this share of the pixels, rounded down
};

// Empty when `actual` matches `expected`, else what differs, in a line.
QString compare(const QImage& expected, const QImage& actual, Match match,
                SmoothTolerance tolerance = {});

} // namespace velkaro::pictures
