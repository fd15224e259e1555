// SPDX-License-Identifier: MIT
// Where a control's parts are drawn, the same on every platform.
#pragma once

#include "Types.h"

namespace forms {

// Where a button shows its picture, in the button's pixels: at its size,
// centred across the button and in the room between its top edge and
// `roomBottom` (the top of the caption's letters, or the button's height
// without a caption), a pixel clear of both; smaller, in proportion, only
// where that room is too short for it.
PixelRect PictureBox(int buttonWidth, int roomBottom, int pictureWidth, int pictureHeight);

} // namespace forms
