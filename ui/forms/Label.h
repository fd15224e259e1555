// SPDX-License-Identifier: MIT
// A label: a caption drawn right-to-left, transparent over its container.
#pragma once

#include <string>
#include <string_view>

#include "Control.h"
#include "Event.h"
#include "Types.h"

namespace forms {

class Label : public CaptionedControl {
public:
    explicit Label(Container& container);

    // Absolute: right means the right edge, whatever the text's direction.
    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment alignment);
    // The size in points as set (15.75 stays 15.75).
    float FontSize() const { return font_.points; }
    void SetFontSize(float points);
    const DesignFont& Font() const { return font_; }
    void SetFont(const DesignFont& design);
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color);

    // Draws a caption that needs more room than the label has narrower, then
    // smaller, until it fits, instead of cutting it off.
    bool ShrinkToFit() const { return shrinkToFit_; }
    void SetShrinkToFit(bool shrink);

    Event<> Click;

private:
    TextAlignment alignment_ = TextAlignment::LeftJustify;
    DesignFont font_;
    Color foreColor_;
    bool shrinkToFit_ = false;
};

} // namespace forms
