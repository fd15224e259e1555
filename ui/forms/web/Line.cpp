// SPDX-License-Identifier: MIT
// A line is a thin element turned to the line's angle; clicks go through it.
#include "forms/Line.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Native.h"
#include "Style.h"
#include "forms/Twips.h"

namespace forms {

namespace {

void Draw(const Line& line) {
    const LineGeometry& state = line.Native().line;
    const int x1 = ToPixelsX(state.x1), y1 = ToPixelsY(state.y1);
    const int x2 = ToPixelsX(state.x2), y2 = ToPixelsY(state.y2);
    const double length = std::hypot(x2 - x1, y2 - y1);
    const int id = line.Native().Id();
    // The element's middle runs along the line.
    vk_place(id, x1, y1 - state.width / 2, int(std::lround(length)), state.width);
    const double degrees = std::atan2(y2 - y1, x2 - x1) * 180 / std::numbers::pi;
    web::SetStyle(id, "transform", "rotate(" + std::to_string(degrees) + "deg)");
}

} // namespace

Line::Line(Container& container)
    : native_(web::NewControlElement(web::ControlKind::Line, nullptr, container)) {}

Line::~Line() = default;

void Line::SetPoints(float x1, float y1, float x2, float y2) {
    LineGeometry& state = native_->line;
    state.x1 = x1;
    state.y1 = y1;
    state.x2 = x2;
    state.y2 = y2;
    Draw(*this);
}

void Line::SetBorderColor(Color color) {
    web::SetStyle(native_->Id(), "background-color", web::CssColor(color));
}

void Line::SetBorderWidth(int pixels) {
    native_->line.width = pixels;
    Draw(*this);
}

void Line::ZOrder() {
    vk_raise(native_->Id(), web::NextZ());
}

} // namespace forms
