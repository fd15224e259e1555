// SPDX-License-Identifier: MIT
#include "forms/Frame.h"

#include "Native.h"
#include "Style.h"
#include "forms/Platform.h"

namespace forms {

NativePtr platform::NewFrame(Frame& frame, Container& container) {
    NativePtr native = web::NewControlElement(web::ControlKind::Frame, &frame, container);
    native->onEvent = [&frame](const PageEvent& event) {
        if (event.kind == web::DomEvent::Click)
            frame.Click.Raise();
    };
    return native;
}

void Frame::SetBackColor(Color color) {
    web::SetStyle(Native().Id(), "background-color", web::CssColor(color));
}

void Frame::SetForeColor(Color color) {
    web::SetStyle(Native().Id(), "border-color", web::CssColor(color));
}

} // namespace forms
