// SPDX-License-Identifier: MIT
// Painting on Windows: a container's face with its lines, a label's caption
// over it, and a button's face with its picture above its caption.
#include <algorithm>

#include "Dpi.h"
#include "HighContrast.h"
#include "Native.h"
#include "forms/CommandButton.h"
#include "forms/Drawing.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/Twips.h"

namespace forms::win {

namespace {

// Room between a button's caption and its lower edge, in pixels at 96 DPI:
// the caption stands above the focus mark, which is drawn 3 pixels inside.
constexpr int kCaptionMargin = 4;
constexpr int kFocusInset = 3;

// The darker shade of a colour, as a frame's inner edge is drawn.
Color Darker(Color color) {
    const auto shade = [](std::uint8_t c) { return static_cast<std::uint8_t>(c * 100 / 160); };
    return {shade(color.red), shade(color.green), shade(color.blue)};
}

void Outline(HDC dc, const RECT& box, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    const POINT corners[5] = {{box.left, box.top},
                              {box.right, box.top},
                              {box.right, box.bottom},
                              {box.left, box.bottom},
                              {box.left, box.top}};
    Polyline(dc, corners, 5);
    SelectObject(dc, old);
    DeleteObject(pen);
}

} // namespace

void Invalidate(const NativeWidget& native) {
    // A window not on the screen (hidden, or in a window not shown yet) has
    // nothing to redraw: it is painted whole when it is shown.
    if (native.hwnd && IsWindowVisible(native.hwnd))
        RedrawWindow(native.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void PaintContainer(NativeContainer& container, HDC dc, POINT offset, const RECT& area) {
    POINT oldOrigin;
    SetViewportOrgEx(dc, -offset.x, -offset.y, &oldOrigin);
    RECT client;
    GetClientRect(container.hwnd, &client);
    RECT fill = area;
    OffsetRect(&fill, offset.x, offset.y);
    IntersectRect(&fill, &fill, &client);
    HBRUSH brush = CreateSolidBrush(Drawn(container.back, COLOR_WINDOW));
    FillRect(dc, &fill, brush);
    DeleteObject(brush);

    if (const auto* frame = container.kind == NativeWidget::Kind::Frame
                                ? &static_cast<const NativeFrame&>(container)
                                : nullptr;
        frame && frame->hasFore) {
        // An etched edge: the frame's colour with a darker line inside it.
        const RECT box{0, 0, client.right - 1, client.bottom - 1};
        Outline(dc, RECT{box.left, box.top, box.right - 1, box.bottom - 1},
                Drawn(Darker(frame->fore), COLOR_WINDOWTEXT));
        Outline(dc, RECT{box.left + 1, box.top + 1, box.right, box.bottom},
                Drawn(frame->fore, COLOR_WINDOWTEXT));
    }
    const UINT dpi = DpiOf(container);
    for (const NativeLine* line : container.lines) {
        const COLORREF colour =
            line->hasColor && !HighContrast() ? Ref(line->color) : GetSysColor(COLOR_WINDOWTEXT);
        LOGBRUSH pattern{BS_SOLID, colour, 0};
        HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                static_cast<DWORD>(std::max(1, line->line->BorderWidth())),
                                &pattern, 0, nullptr);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, PixelsAt(line->line->X1(), dpi), PixelsAt(line->line->Y1(), dpi), nullptr);
        LineTo(dc, PixelsAt(line->line->X2(), dpi), PixelsAt(line->line->Y2(), dpi));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

void PaintLabel(NativeWidget& native) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(native.hwnd, &paint);
    RECT client;
    GetClientRect(native.hwnd, &client);
    const int width = client.right, height = client.bottom;
    if (width > 0 && height > 0) {
        // Drawn off the screen over the container's own face, then shown at once.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        POINT offset{0, 0};
        MapWindowPoints(native.hwnd, native.container->hwnd, &offset, 1);
        PaintContainer(static_cast<NativeContainer&>(*native.container), memory, offset, client);

        const auto& label = static_cast<const Label&>(*native.control);
        const LabelLayout layout = LayoutOf(label);
        {
            const SelectedFont selected(memory, layout.font);
            SetBkMode(memory, TRANSPARENT);
            SetTextColor(memory, Drawn(label.ForeColor(), COLOR_WINDOWTEXT));
            SetTextAlign(memory, TA_BASELINE | TA_LEFT);
            for (std::size_t i = 0; i < layout.lines.size(); ++i)
                Shaped(memory, layout.lines[i]).Draw(layout.origins[i].x, layout.origins[i].y);
        }
        BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(native.hwnd, &paint);
}

void DrawButton(NativeWidget& native, const DRAWITEMSTRUCT& item) {
    const auto& button = static_cast<const CommandButton&>(*native.control);
    const RECT whole = item.rcItem;
    const int width = whole.right - whole.left, height = whole.bottom - whole.top;
    if (width <= 0 || height <= 0)
        return;
    HDC memory = CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);

    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT face{0, 0, width, height};
    DrawFrameControl(memory, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    const int shift = down ? 1 : 0; // a pressed button's face sinks a little

    const UINT dpi = DpiOf(native);
    const std::wstring caption = Wide(button.Caption());
    // The caption's font; a button without a caption draws no letters.
    HFONT font = nullptr;
    HGDIOBJ oldFont = nullptr;
    TEXTMETRICW metrics{};
    if (!caption.empty()) {
        const LOGFONTW design = FontFor(button.Font(), caption, dpi);
        font = CreateFontIndirectW(&design);
        oldFont = SelectObject(memory, font);
        GetTextMetricsW(memory, &metrics);
    }
    const int lineHeight = metrics.tmHeight;
    const int captionTop = height - AtDpi(kCaptionMargin, dpi) - lineHeight;

    if (const Pixels* picture = PictureNamed(button.Picture())) {
        // Above the top of the caption's letters.
        const auto& shown = As<NativeButton>(native);
        const PixelRect at =
            PictureBox(width, caption.empty() ? height : captionTop + metrics.tmInternalLeading,
                       PixelsAt(shown.pictureWidth, dpi), PixelsAt(shown.pictureHeight, dpi));
        const RECT box{at.left + shift, at.top + shift, at.left + shift + at.width,
                       at.top + shift + at.height};
        DrawPicture(memory, *picture, box);
    }
    if (!caption.empty()) {
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        RECT box{shift, captionTop + shift, width + shift, captionTop + lineHeight + shift};
        DrawTextW(memory, caption.c_str(), static_cast<int>(caption.size()), &box,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_RTLREADING | DT_NOCLIP);
    }
    if (font) {
        SelectObject(memory, oldFont);
        DeleteObject(font);
    }
    if (item.itemState & ODS_FOCUS) {
        const int inset = AtDpi(kFocusInset, dpi);
        RECT mark{inset, inset, width - inset, height - inset};
        DrawFocusRect(memory, &mark);
    }
    BitBlt(item.hDC, whole.left, whole.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace forms::win
