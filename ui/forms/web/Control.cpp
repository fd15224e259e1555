// SPDX-License-Identifier: MIT
#include "forms/Control.h"

#include "Native.h"
#include "forms/Form.h"
#include "forms/Twips.h"

namespace forms {

Control::Control(Container& container, std::unique_ptr<NativeWidget> native)
    : window_(container.Window())
    , native_(std::move(native)) {
    NativeWidget& parent = container.Native();
    native_->container = &parent;
    vk_raise(native_->Id(), web::NextZ());
    // The window's tab chain: controls in the order they were made, until
    // the window gives its own.
    Form& window = container.Window();
    window.Native().chain.push_back(this);
}

Control::~Control() {
    std::vector<Control*>& chain = window_.Native().chain;
    std::erase(chain, this);
    if (window_.Native().focus == this)
        window_.Native().focus = nullptr;
    vk_forget(native_->Id());
}

bool Control::Visible() const {
    return native_->visible;
}
void Control::SetVisible(bool visible) {
    native_->visible = visible;
    vk_set_visible(native_->Id(), visible);
    if (visible)
        native_->Refit();
}
bool Control::Enabled() const {
    return native_->enabled;
}
void Control::SetEnabled(bool enabled) {
    native_->enabled = enabled;
    vk_set_enabled(native_->Id(), enabled);
}
void Control::SetFocus() {
    web::GiveFocus(*this);
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
    native_->Refit();
}

} // namespace forms
