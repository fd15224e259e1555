// SPDX-License-Identifier: MIT
// The small types the windows are designed in: colours, fonts, alignments,
// frames and boxes of pixels. No platform type reaches window code.
#pragma once

#include <cstdint>
#include <string>

namespace forms {

// A colour by its red, green and blue components, 0 to 255 each.
struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// Font weights in the usual numbering (400 normal, 700 bold).
enum class FontWeight : int { Normal = 400, DemiBold = 600, Bold = 700 };

// A font as designed: family, size in points, weight.
struct DesignFont {
    std::string family;
    float points = 0;
    FontWeight weight = FontWeight::Normal;
};

// Where a label's caption stands in its box, in the design's numbering.
enum class TextAlignment { LeftJustify = 0, RightJustify = 1, Center = 2 };

// A window's frame.
enum class BorderStyle {
    // Title bar with the caption and the close box; not resizable.
    FixedSingle,
    // A raised dialog frame without title bar, kept out of the taskbar.
    FixedDialogNoTitle,
};

// A box of pixels: its left and top edge, its width and height.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The mouse buttons and shift keys a mouse-move event reports, as bits.
inline constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

} // namespace forms
