// SPDX-License-Identifier: MIT
// A button is a <button> with its picture above its caption. The pointer
// moving over it, a hovering pen, or a finger or pen coming down on it are
// all mouse moves, raised before a click can happen.
#include "forms/CommandButton.h"

#include "CssFont.h"
#include "Native.h"
#include "PictureSizes.h"
#include "Style.h"
#include "forms/Drawing.h"
#include "forms/Pictures.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace {

// The caption's line stands this far above the button's lower edge, in pixels.
constexpr int kCaptionMargin = 2;

// The picture in the room above the caption's line (the whole button without
// a caption).
void LayOut(const CommandButton& button) {
    const NativeWidget& native = button.Native();
    const PixelRect box = ToPixels(button.Left(), button.Top(), button.Width(), button.Height());
    const int line = int(web::FontPixels(button.Font()) * web::kButtonLineHeight + 0.5);
    const int roomBottom =
        button.Caption().empty() ? box.height : box.height - kCaptionMargin - line;
    const PixelRect picture =
        PictureBox(box.width, roomBottom, native.picture.width, native.picture.height);
    vk_place_picture(native.Id(), picture.left, picture.top, picture.width, picture.height);
}

} // namespace

NativePtr platform::NewButton(CommandButton& button, Container& container) {
    NativePtr native = web::NewControlElement(web::ControlKind::Button, &button, container);
    native->button = true;
    native->layOut = [&button] { LayOut(button); };
    native->onEvent = [&button](const PageEvent& event) {
        switch (event.kind) {
        case web::DomEvent::Click:
            button.Click.Raise();
            break;
        case web::DomEvent::Focus:
            button.Window().Native().focus = &button;
            button.GotFocus.Raise();
            break;
        case web::DomEvent::Move:
            button.MouseMove.Raise(event.a, event.b, float(event.x) * TwipsPerPixelX(),
                                   float(event.y) * TwipsPerPixelY());
            break;
        default:
            break;
        }
    };
    return native;
}

platform::PictureSize platform::SizeOfPicture(std::string_view name) {
    const std::string_view file = PictureFileOf(name);
    for (const web::PictureSize& picture : web::kPictureSizes)
        if (!file.empty() && picture.file == file)
            return {picture.width, picture.height};
    return {};
}

void CommandButton::SetDescription(std::string_view description) {
    vk_set_attr(Native().Id(), "aria-description", std::string(description).c_str());
}

void CommandButton::SetFont(const DesignFont& design) {
    font_ = design;
    web::SetStyle(Native().Id(), "font", web::CssFont(design, web::kButtonLineHeight));
    Native().LayOutLater();
}

void CommandButton::SetPicture(std::string_view name, float widthTwips, float heightTwips) {
    picture_ = name;
    Native().picture = {ToPixelsX(widthTwips), ToPixelsY(heightTwips)};
    vk_set_picture(Native().Id(), std::string(PictureFileOf(name)).c_str());
    Native().LayOutLater();
}

} // namespace forms
