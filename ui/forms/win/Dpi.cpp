// SPDX-License-Identifier: MIT
#include "Dpi.h"

#include <cmath>

#include "Native.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace forms::win {

namespace {

float TwipsPerPixel(UINT dpi) {
    return 1440.0f / static_cast<float>(dpi ? dpi : USER_DEFAULT_SCREEN_DPI);
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

} // namespace

UINT DpiOf(const NativeWidget& native) {
    const auto& window = static_cast<const NativeForm&>(native.top ? *native.top : native);
    return window.dpi ? window.dpi : Dpi();
}

int PixelsAt(float twips, UINT dpi) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel(dpi)));
}

PixelRect BoxAt(float left, float top, float width, float height, UINT dpi) {
    const int x = PixelsAt(left, dpi);
    const int y = PixelsAt(top, dpi);
    return {x, y, PixelsAt(left + width, dpi) - x, PixelsAt(top + height, dpi) - y};
}

float TwipsAt(int pixels, UINT dpi) {
    return static_cast<float>(pixels) * TwipsPerPixel(dpi);
}

int AtDpi(int pixelsAt96, UINT dpi) {
    return MulDiv(pixelsAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

SIZE OuterSizeAt(const Form& form, UINT dpi) {
    HWND hwnd = form.Native().hwnd;
    RECT outer{0, 0, PixelsAt(form.ClientWidth(), dpi), PixelsAt(form.ClientHeight(), dpi)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void ChangeDpi(Form& form, UINT dpi, const RECT& suggested) {
    auto& native = As<NativeForm>(form.Native());
    native.dpi = dpi;
    // Every control again, containers before what they hold.
    std::vector<HWND> children;
    EnumChildWindows(native.hwnd, Collect, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
        if (const NativeWidget* widget = NativeWidget::Of(child); widget && widget->control) {
            Control& control = *widget->control;
            control.Move(control.Left(), control.Top(), control.Width(), control.Height());
        }
    MakeIcons(native);
    SetWindowPos(native.hwnd, nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame is not the one the system suggested for (a system that
    // draws frames at its own DPI), the client area still takes the twips.
    RECT client;
    GetClientRect(native.hwnd, &client);
    const int wrongWidth = PixelsAt(form.ClientWidth(), dpi) - client.right;
    const int wrongHeight = PixelsAt(form.ClientHeight(), dpi) - client.bottom;
    if (wrongWidth || wrongHeight)
        SetWindowPos(native.hwnd, nullptr, 0, 0, suggested.right - suggested.left + wrongWidth,
                     suggested.bottom - suggested.top + wrongHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    RedrawWindow(native.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace forms::win
