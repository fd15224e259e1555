// SPDX-License-Identifier: MIT
// A window is an element on the page's desk: a title bar with the caption
// and a close box over the client area, or a raised frame around it. Its
// announcements go to a live region of its own.
#include "forms/Form.h"

#include <algorithm>
#include <string>

#include "Native.h"
#include "PageTexts.h"
#include "Style.h"
#include "forms/Application.h"
#include "forms/Twips.h"

namespace forms {

// The platform's side of the window's events.
struct FormEvents {
    static void Unload(Form& form, int& cancel) { form.Form_Unload(cancel); }
};

Form::Form(BorderStyle border, float clientWidth, float clientHeight)
    : border_(border)
    , clientWidth_(clientWidth)
    , clientHeight_(clientHeight)
    , native_(std::make_unique<NativeWidget>(
          vk_window(border == BorderStyle::FixedDialogNoTitle ? 1 : 0, ToPixelsX(clientWidth),
                    ToPixelsY(clientHeight), std::string(web::texts::kClose).c_str()))) {
    web::LiveForms().push_back(this);
    native_->onEvent = [this](const PageEvent& event) {
        switch (event.kind) {
        case web::DomEvent::Click:
            Click.Raise();
            break;
        case web::DomEvent::Key:
            KeyPress.Raise(event.a);
            break;
        case web::DomEvent::Close:
            Close();
            break;
        default:
            break;
        }
    };
}

Form::~Form() {
    std::erase(web::LiveForms(), this);
    vk_remove(native_->Id());
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
    vk_set_picture(native_->Id(), (std::string(name) + "16").c_str(), 16, 16);
}

void Form::SetTabOrder(std::initializer_list<Control*> controls) {
    native_->chain.assign(controls.begin(), controls.end());
    // The page's tab order is the elements' order.
    for (Control* control : controls)
        vk_append(control->Native().Id());
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
    if (!focus || !web::CanTakeFocus(*focus)) {
        const auto first = std::find_if(native_->chain.begin(), native_->chain.end(),
                                        [](Control* c) { return web::CanTakeFocus(*c); });
        focus = first == native_->chain.end() ? nullptr : *first;
    }
    if (focus)
        web::GiveFocus(*focus);
}

bool Form::Visible() const {
    return native_->shown && !native_->closed;
}

void Form::Close() {
    if (native_->closed)
        return;
    int cancel = 0;
    FormEvents::Unload(*this, cancel);
    if (cancel)
        return;
    native_->closed = true;
    vk_set_style(native_->Id(), "visibility", "hidden");
    // Gone once the event is handled; with no window left the program ends.
    const auto& forms = web::LiveForms();
    if (std::none_of(forms.begin(), forms.end(), [](const Form* f) { return f->Visible(); }))
        End();
}

void Form::Form_Unload(int&) {}

} // namespace forms
