// SPDX-License-Identifier: MIT
// A button is a <button> with its picture above its caption. The pointer
// moving over it, a hovering pen, or a finger or pen coming down on it are
// all mouse moves, raised before a click can happen.
#include "forms/CommandButton.h"

#include "CssFont.h"
#include "Native.h"
#include "Style.h"
#include "forms/Twips.h"

namespace forms {

CommandButton::CommandButton(Container& container)
    : Control(container, std::make_unique<NativeWidget>(
                             vk_control(int(web::ControlKind::Button), container.Native().Id()))) {
    Native().button = true;
    Native().onEvent = [this](const PageEvent& event) {
        switch (event.kind) {
        case web::DomEvent::Click:
            Click.Raise();
            break;
        case web::DomEvent::Focus:
            Window().Native().focus = this;
            GotFocus.Raise();
            break;
        case web::DomEvent::Move:
            MouseMove.Raise(event.a, event.b, float(event.x) * TwipsPerPixelX(),
                            float(event.y) * TwipsPerPixelY());
            break;
        default:
            break;
        }
    };
}

void CommandButton::SetCaption(std::string_view caption) {
    caption_ = caption;
    vk_set_text(Native().Id(), caption_.c_str());
}

void CommandButton::SetDescription(std::string_view description) {
    vk_set_attr(Native().Id(), "aria-description", std::string(description).c_str());
}

void CommandButton::SetFont(const DesignFont& design) {
    font_ = design;
    web::SetStyle(Native().Id(), "font", web::CssFont(design));
}

void CommandButton::SetPicture(std::string_view name, float widthTwips, float heightTwips) {
    picture_ = name;
    vk_set_picture(Native().Id(), picture_.c_str(), ToPixelsX(widthTwips), ToPixelsY(heightTwips));
}

void CommandButton::SetPicture(std::string_view name) {
    picture_ = name;
    vk_set_picture(Native().Id(), picture_.c_str(), 0, 0);
}

} // namespace forms
