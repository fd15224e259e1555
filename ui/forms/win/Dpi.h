// SPDX-License-Identifier: MIT
// Each window's own DPI: twips become its pixels at that DPI, by the same
// rule as everywhere (both edges of a box rounded); a move to a monitor of
// another DPI lays the window out again, exactly as at start.
#pragma once

#include "WinForms.h"
#include "forms/Types.h"

namespace forms {

class Form;
class NativeWidget;

namespace win {

// The DPI the window of a widget is laid out at now.
UINT DpiOf(const NativeWidget& native);

// Twips to pixels and back at a DPI.
int PixelsAt(float twips, UINT dpi);
PixelRect BoxAt(float left, float top, float width, float height, UINT dpi);
float TwipsAt(int pixels, UINT dpi);
// A length designed in pixels at 96 DPI, at another DPI.
int AtDpi(int pixelsAt96, UINT dpi);

// WM_GETDPISCALEDSIZE: the window's outer size at the DPI.
SIZE OuterSizeAt(const Form& form, UINT dpi);
// WM_DPICHANGED: every control placed again at the DPI, the fonts, pictures
// and icons made for it, and the window in the suggested box with the client
// area the twips give.
void ChangeDpi(Form& form, UINT dpi, const RECT& suggested);

} // namespace win
} // namespace forms
