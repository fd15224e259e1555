// SPDX-License-Identifier: MIT
#include "forms/Frame.h"

#include "Native.h"
#include "Style.h"

namespace forms {

Frame::Frame(Container& container)
    : Control(container, std::make_unique<NativeWidget>(
                             vk_control(int(web::ControlKind::Frame), container.Native().Id()))) {
    Native().onEvent = [this](const PageEvent& event) {
        if (event.kind == web::DomEvent::Click)
            Click.Raise();
    };
}

void Frame::SetBackColor(Color color) {
    web::SetStyle(Native().Id(), "background-color", web::CssColor(color));
}

void Frame::SetForeColor(Color color) {
    web::SetStyle(Native().Id(), "border-color", web::CssColor(color));
}

} // namespace forms
