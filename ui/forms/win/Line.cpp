// SPDX-License-Identifier: MIT
// A line on Windows: no window of its own; its container draws it over its
// face (Paint.cpp), in the order the lines were made or brought forward.
#include <algorithm>

#include "Native.h"
#include "forms/Line.h"
#include "forms/Platform.h"

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
    Of(*this).line = this;
    ContainerOf(*this).lines.push_back(&Of(*this));
}

Line::~Line() {
    Remove(*this);
    Redraw(*this);
}

void platform::PlaceLine(Line& line) {
    Redraw(line);
}

void Line::SetBorderColor(Color color) {
    Of(*this).color = color;
    Of(*this).hasColor = true;
    Redraw(*this);
}

void Line::ZOrder() {
    Remove(*this);
    ContainerOf(*this).lines.push_back(&Of(*this));
    Redraw(*this);
}

} // namespace forms
