// SPDX-License-Identifier: MIT
// Positions in twips as the windows set them, and the centring rule; the
// same on every platform.
#include "Control.h"
#include "Form.h"
#include "Twips.h"

namespace forms {

void Control::SetLeft(float twips) {
    left_ = twips;
    Place();
}

void Control::SetTop(float twips) {
    top_ = twips;
    Place();
}

void Control::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Place();
}

void Form::SetLeft(float twips) {
    left_ = twips;
    Place();
}

void Form::SetTop(float twips) {
    top_ = twips;
    Place();
}

float Centred(float screen, float outer) {
    return (screen - outer) / 2;
}

void Centre(Form& form) {
    form.SetTop(Centred(ScreenHeight(), form.OuterHeight()));
    form.SetLeft(Centred(ScreenWidth(), form.OuterWidth()));
}

} // namespace forms
