// SPDX-License-Identifier: MIT
// A line is a thin element turned to the line's angle; clicks go through it.
#include "forms/Line.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Native.h"
#include "Style.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace {

void Draw(const Line& line) {
    const int x1 = ToPixelsX(line.X1()), y1 = ToPixelsY(line.Y1());
    const int x2 = ToPixelsX(line.X2()), y2 = ToPixelsY(line.Y2());
    const int width = line.BorderWidth();
    const double length = std::hypot(x2 - x1, y2 - y1);
    const int id = line.Native().Id();
    // The element's middle runs along the line.
    vk_place(id, x1, y1 - width / 2, int(std::lround(length)), width);
    const double degrees = std::atan2(y2 - y1, x2 - x1) * 180 / std::numbers::pi;
    web::SetStyle(id, "transform", "rotate(" + std::to_string(degrees) + "deg)");
}

} // namespace

Line::Line(Container& container)
    : native_(web::NewControlElement(web::ControlKind::Line, nullptr, container)) {}

Line::~Line() = default;

void platform::PlaceLine(Line& line) {
    Draw(line);
}

void Line::SetBorderColor(Color color) {
    web::SetStyle(native_->Id(), "background-color", web::CssColor(color));
}

void Line::ZOrder() {
    vk_raise(native_->Id(), web::NextZ());
}

} // namespace forms
