// SPDX-License-Identifier: MIT
// A window is an element on the page's desk: a title bar with the caption
// and a close box over the client area, or a raised frame around it. Its
// announcements go to a live region of its own.
#include "forms/Form.h"

#include <string>

#include "Native.h"
#include "PageTexts.h"
#include "Style.h"
#include "forms/Focus.h"
#include "forms/Pictures.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

NativePtr platform::NewWindow(Form& form) {
    NativePtr native(
        new NativeWidget(vk_window(form.Border() == BorderStyle::FixedDialogNoTitle ? 1 : 0,
                                   ToPixelsX(form.ClientWidth()), ToPixelsY(form.ClientHeight()),
                                   std::string(web::texts::kClose).c_str()),
                         NativeWidget::Kind::Window));
    native->onEvent = [&form](const PageEvent& event) {
        switch (event.kind) {
        case web::DomEvent::Click:
            form.Click.Raise();
            break;
        case web::DomEvent::Key:
            form.KeyPress.Raise(event.a);
            break;
        case web::DomEvent::Close:
            form.Close();
            break;
        default:
            break;
        }
    };
    return native;
}

void Form::SetName(std::string_view name) {
    name_ = name;
    vk_set_attr(native_->Id(), "data-name", name_.c_str());
}

void Form::SetCaption(std::string_view caption) {
    caption_ = caption;
    vk_set_text(native_->Id(), caption_.c_str());
}

void Form::SetSpokenName(std::string_view name) {
    vk_set_attr(native_->Id(), "aria-label", std::string(name).c_str());
}

void Form::Announce(std::string_view text) {
    if (native_->shown)
        vk_announce(native_->Id(), std::string(text).c_str());
    else
        native_->pending = text;
}

// The position is that of the outer box, frame and title bar included.
void Form::Place() {
    web::SetStyle(native_->Id(), "left", std::to_string(ToPixelsX(left_)) + "px");
    web::SetStyle(native_->Id(), "top", std::to_string(ToPixelsY(top_)) + "px");
}

float Form::OuterWidth() const {
    return ToTwipsX(int(vk_size(native_->Id(), 0)));
}

float Form::OuterHeight() const {
    return ToTwipsY(int(vk_size(native_->Id(), 1)));
}

void Form::SetBackColor(Color color) {
    web::SetStyle(native_->Id(), "background-color", web::CssColor(color));
}

// The page's face of buttons (forms.css).
Color Form::ButtonFace() const {
    return {240, 240, 240};
}

void Form::SetIcon(std::string_view name) {
    vk_set_picture(native_->Id(), std::string(PictureFileOf(SmallIconOf(name))).c_str());
}

void Form::Show() {
    native_->shown = true;
    vk_show(native_->Id());
    if (!native_->pending.empty()) {
        vk_announce(native_->Id(), native_->pending.c_str());
        native_->pending.clear();
    }
    // The focus goes to the control that has it, or else to the first of
    // the tab chain that can take it.
    Control* focus = native_->focus;
    if (!focus || !platform::CanTakeFocus(*focus))
        focus = NextInChain(TabOrder(), nullptr, true, platform::CanTakeFocus);
    platform::MoveFocus(*this, focus);
}

bool Form::Visible() const {
    return native_->shown && !native_->closed;
}

// Closed, the window leaves the page once the event in hand has been handled.
void Form::Close() {
    CloseWindow(*this, [this] {
        native_->closed = true;
        vk_set_style(native_->Id(), "visibility", "hidden");
    });
}

} // namespace forms
