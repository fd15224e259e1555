// SPDX-License-Identifier: MIT
// A picture button on Windows: an owner-drawn BUTTON (Paint.cpp) whose
// window text is its caption.
#include "forms/CommandButton.h"
#include "Native.h"
#include "forms/Platform.h"

namespace forms {

// Kept with the button; the Windows API has no description for a standard
// control short of an accessible object of the program's own.
void CommandButton::SetDescription(std::string_view description) {
    win::As<NativeButton>(Native()).description = description;
}

void CommandButton::SetFont(const DesignFont& design) {
    font_ = design;
    win::Invalidate(Native());
}

void CommandButton::SetPicture(std::string_view name, float widthTwips, float heightTwips) {
    picture_ = name;
    auto& native = win::As<NativeButton>(Native());
    native.pictureWidth = widthTwips;
    native.pictureHeight = heightTwips;
    win::Invalidate(native);
}

platform::PictureSize platform::SizeOfPicture(std::string_view name) {
    const SIZE size = win::PictureSizeOf(name);
    return PictureSize{static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

} // namespace forms
