// SPDX-License-Identifier: MIT
// A line on Windows: no window of its own; its container draws it over its
// face (Paint.cpp), in the order the lines were made or brought forward.
#include <algorithm>

#include "Native.h"
#include "forms/Line.h"

namespace forms {

namespace {

NativeLine& Of(const Line& line) {
    return win::As<NativeLine>(line.Native());
}

NativeContainer& ContainerOf(const Line& line) {
    return win::As<NativeContainer>(*line.Native().container);
}

void Redraw(const Line& line) {
    win::Invalidate(ContainerOf(line));
}

void Remove(const Line& line) {
    auto& lines = ContainerOf(line).lines;
    lines.erase(std::remove(lines.begin(), lines.end(), &Of(line)), lines.end());
}

} // namespace

Line::Line(Container& container)
    : native_(new NativeLine(NativeWidget::Kind::Line, &container.Native())) {
    ContainerOf(*this).lines.push_back(&Of(*this));
}

Line::~Line() {
    Remove(*this);
    Redraw(*this);
}

void Line::SetPoints(float x1, float y1, float x2, float y2) {
    NativeLine& line = Of(*this);
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    Redraw(*this);
}

void Line::SetBorderColor(Color color) {
    Of(*this).color = color;
    Of(*this).hasColor = true;
    Redraw(*this);
}

void Line::SetBorderWidth(int pixels) {
    Of(*this).width = pixels;
    Redraw(*this);
}

void Line::ZOrder() {
    Remove(*this);
    ContainerOf(*this).lines.push_back(&Of(*this));
    Redraw(*this);
}

} // namespace forms
