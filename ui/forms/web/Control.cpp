// SPDX-License-Identifier: MIT
#include "forms/Control.h"

#include "Native.h"
#include "forms/Form.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace web {

NativePtr NewControlElement(ControlKind kind, Control* owner, Container& container) {
    NativePtr native(new NativeWidget(vk_control(int(kind), container.Native().Id()),
                                      NativeWidget::Kind::Control));
    native->owner = owner;
    native->container = &container.Native();
    native->window = &container.Window().Native();
    vk_raise(native->Id(), NextZ());
    return native;
}

} // namespace web

// A label's caption, or the line under a button's picture; both lay the
// control out again.
void platform::ShowCaption(CaptionedControl& control) {
    vk_set_text(control.Native().Id(), control.Caption().c_str());
    control.Native().LayOutLater();
}

bool Control::Visible() const {
    return native_->visible;
}
void Control::SetVisible(bool visible) {
    native_->visible = visible;
    vk_set_visible(native_->Id(), visible);
    if (visible)
        native_->LayOutLater();
}
bool Control::Enabled() const {
    return native_->enabled;
}
void Control::SetEnabled(bool enabled) {
    native_->enabled = enabled;
    vk_set_enabled(native_->Id(), enabled);
}
void Control::SetFocus() {
    platform::MoveFocus(window_, this);
}

void Control::SetName(std::string_view name) {
    name_ = name;
    vk_set_attr(native_->Id(), "data-name", name_.c_str());
}
void Control::ZOrder() {
    vk_raise(native_->Id(), web::NextZ());
}
void Control::SetSpokenName(std::string_view name) {
    vk_set_attr(native_->Id(), "aria-label", std::string(name).c_str());
}

void Control::Place() {
    const PixelRect box = ToPixels(left_, top_, width_, height_);
    vk_place(native_->Id(), box.left, box.top, box.width, box.height);
    if (box.width != native_->width || box.height != native_->height)
        native_->LayOutLater();
    native_->width = box.width;
    native_->height = box.height;
}

} // namespace forms
