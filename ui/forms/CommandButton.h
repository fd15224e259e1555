// SPDX-License-Identifier: MIT
// A picture button: its picture above its caption, or the picture alone when
// it has no caption.
#pragma once

#include <string>
#include <string_view>

#include "Control.h"
#include "Event.h"
#include "Types.h"

namespace forms {

class CommandButton : public CaptionedControl {
public:
    explicit CommandButton(Container& container);

    // What a screen reader says of the button after its name and role when
    // the focus arrives on it (the question the button answers).
    void SetDescription(std::string_view description);
    const DesignFont& Font() const { return font_; }
    void SetFont(const DesignFont& design);
    // The program's picture of that name, shown at the size given in twips
    // (a picture measured in inches keeps its size on every screen).
    void SetPicture(std::string_view name, float widthTwips, float heightTwips);
    // The picture shown at its own pixel size on a 96 DPI screen.
    void SetPicture(std::string_view name);
    const std::string& Picture() const { return picture_; }

    Event<> Click;
    Event<> GotFocus;
    // Mouse buttons held (kLeftButton ...), shift keys held (kShiftMask ...)
    // and the pointer's position in twips.
    Event<int, int, float, float> MouseMove;

private:
    DesignFont font_;
    std::string picture_;
};

} // namespace forms
