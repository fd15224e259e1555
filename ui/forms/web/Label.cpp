// SPDX-License-Identifier: MIT
// A label is a right-to-left text element: the browser shapes the Arabic and
// screen readers read it as text. A caption too long for its box is drawn
// narrower, then smaller (Fit.h); the page says whether each try fits.
#include "forms/Label.h"

#include "CssFont.h"
#include "Native.h"
#include "Style.h"
#include "forms/Fit.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace {

void LayOut(const Label& label) {
    const NativeWidget& native = label.Native();
    const double pixels = web::FontPixels(label.Font());
    const int height = ToPixels(label.Left(), label.Top(), label.Width(), label.Height()).height;
    const int lines = LineBudget(height, pixels * web::kLineHeight);
    FitCaption(label.ShrinkToFit() && native.visible, [&](const Narrowing& narrowing) {
        return vk_fits(native.Id(), pixels * narrowing.SizeFactor(), narrowing.stretch, lines) != 0;
    });
}

} // namespace

NativePtr platform::NewLabel(Label& label, Container& container) {
    NativePtr native = web::NewControlElement(web::ControlKind::Label, &label, container);
    native->layOut = [&label] { LayOut(label); };
    native->onEvent = [&label](const PageEvent& event) {
        if (event.kind == web::DomEvent::Click)
            label.Click.Raise();
    };
    return native;
}

void Label::SetAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    const char* const align[] = {"left", "right", "center"};
    vk_set_style(Native().Id(), "text-align", align[int(alignment)]);
}

void Label::SetFontSize(float points) {
    font_.points = points;
    SetFont(font_);
}

void Label::SetFont(const DesignFont& design) {
    font_ = design;
    web::SetStyle(Native().Id(), "font", web::CssFont(font_));
    Native().LayOutLater();
}

void Label::SetForeColor(Color color) {
    foreColor_ = color;
    web::SetStyle(Native().Id(), "color", web::CssColor(color));
}

void Label::SetShrinkToFit(bool shrink) {
    shrinkToFit_ = shrink;
    Native().LayOutLater();
}

} // namespace forms
