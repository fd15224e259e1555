// SPDX-License-Identifier: MIT
// The page ships one face, Amiri (a subset, as WOFF2), in regular and bold:
// it stands in for every designed family.
#include "CssFont.h"

#include <string>

#include "forms/Fonts.h"
#include "forms/Platform.h"

namespace forms {

namespace platform {

bool FamilyInstalled(std::string_view family) {
    return family == "Amiri";
}

} // namespace platform

namespace web {

std::string CssFont(const DesignFont& design, double lineHeight) {
    const double pixels = FontPixels(design);
    const std::string family = design.family.empty() ? "Amiri" : RenderFamily(design.family);
    return std::to_string(int(design.weight)) + " " + std::to_string(pixels) + "px/" +
           std::to_string(lineHeight) + " \"" + family + "\", serif";
}

// A point is 4/3 of a CSS pixel, at 96 pixels to the inch.
double FontPixels(const DesignFont& design) {
    return design.points > 0 ? design.points * RenderScale(design.family) * 4.0 / 3.0
                             : kDefaultFontPixels;
}

} // namespace web
} // namespace forms
