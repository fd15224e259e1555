// SPDX-License-Identifier: MIT
// A frame: a box with a background of its own that holds other controls.
#pragma once

#include "Control.h"
#include "Event.h"
#include "Types.h"

namespace forms {

class Frame : public Control, public Container {
public:
    explicit Frame(Container& container);

    void SetBackColor(Color color);
    // The colour of the frame's edge (a frame has no caption here).
    void SetForeColor(Color color);

    Form& Window() override { return Control::Window(); }
    NativeWidget& Native() const override { return Control::Native(); }

    Event<> Click;
};

} // namespace forms
