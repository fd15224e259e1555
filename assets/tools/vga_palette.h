// SPDX-License-Identifier: MIT
// The 16 colours of the VGA palette, in the order Windows uses for 4-bit bitmaps: the colours
// of the pixel art and of the Windows icon.
#pragma once

#include <QColor>
#include <array>

namespace velkaro::pictures {

inline constexpr std::array<QRgb, 16> vgaPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

} // namespace velkaro::pictures
