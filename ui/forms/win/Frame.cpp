// SPDX-License-Identifier: MIT
// A frame on Windows: a window of the layer's own class (WindowProcs.cpp)
// that paints its face and edge (Paint.cpp).
#include "forms/Frame.h"
#include "Native.h"

namespace forms {

void Frame::SetBackColor(Color color) {
    win::As<NativeFrame>(Native()).back = color;
    win::Invalidate(Native());
}

void Frame::SetForeColor(Color color) {
    auto& native = win::As<NativeFrame>(Native());
    native.fore = color;
    native.hasFore = true;
    win::Invalidate(native);
}

} // namespace forms
