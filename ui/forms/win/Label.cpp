// SPDX-License-Identifier: MIT
// A label on Windows: each change draws the caption again, laid out anew
// (TextLayout.cpp) where what places its letters has changed.
#include "forms/Label.h"
#include "Native.h"

namespace forms {

void Label::SetAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    win::Invalidate(Native());
}

void Label::SetFontSize(float points) {
    font_.points = points;
    win::Invalidate(Native());
}

void Label::SetFont(const DesignFont& design) {
    font_ = design;
    win::Invalidate(Native());
}

void Label::SetForeColor(Color color) {
    foreColor_ = color;
    win::Invalidate(Native());
}

void Label::SetShrinkToFit(bool shrink) {
    shrinkToFit_ = shrink;
    win::Invalidate(Native());
}

} // namespace forms
