// SPDX-License-Identifier: MIT
// A label is a right-to-left text element: the browser shapes the Arabic and
// screen readers read it as text.
#include "forms/Label.h"

#include "CssFont.h"
#include "Native.h"
#include "Style.h"

namespace forms {

Label::Label(Container& container)
    : Control(container, std::make_unique<NativeWidget>(
                             vk_control(int(web::ControlKind::Label), container.Native().Id()))) {
    Native().refit = [this] {
        vk_fit(Native().Id(), shrinkToFit_ && Native().visible, web::FontPixels(font_));
    };
    Native().onEvent = [this](const PageEvent& event) {
        if (event.kind == web::DomEvent::Click)
            Click.Raise();
    };
    SetAlignment(alignment_);
}

void Label::SetCaption(std::string_view caption) {
    caption_ = caption;
    vk_set_text(Native().Id(), caption_.c_str());
    Native().Refit();
}

void Label::SetAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    const char* align[] = {"left", "right", "center"};
    vk_set_style(Native().Id(), "text-align", align[int(alignment)]);
}

void Label::SetFontSize(float points) {
    font_.points = points;
    SetFont(font_);
}

void Label::SetFont(const DesignFont& design) {
    font_ = design;
    web::SetStyle(Native().Id(), "font", web::CssFont(font_));
    Native().Refit();
}

void Label::SetForeColor(Color color) {
    foreColor_ = color;
    web::SetStyle(Native().Id(), "color", web::CssColor(color));
}

void Label::SetShrinkToFit(bool shrink) {
    shrinkToFit_ = shrink;
    Native().Refit();
}

} // namespace forms
