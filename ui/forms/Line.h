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
    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    int BorderWidth() const { return width_; }
    // Brings the line in front of the other controls of its window.
    void ZOrder();

    NativeWidget& Native() const { return *native_; }

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int width_ = 1;
    NativePtr native_;
};

} // namespace forms
