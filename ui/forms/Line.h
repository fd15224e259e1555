// SPDX-License-Identifier: MIT
// A line drawn on its window between two points given in twips. It takes no
// clicks: they go to the window beneath.
#pragma once

#include <memory>

#include "Control.h"
#include "Types.h"

namespace forms {

class Line {
public:
    explicit Line(Container& container);
    ~Line();
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    void SetPoints(float x1, float y1, float x2, float y2);
    void SetBorderColor(Color color);
    void SetBorderWidth(int pixels);
    // Brings the line in front of the other controls of its window.
    void ZOrder();

    NativeWidget& Native() const { return *native_; }

private:
    NativePtr native_;
};

} // namespace forms
