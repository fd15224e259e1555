// SPDX-License-Identifier: MIT
// The controls on Windows: labels are STATIC windows and buttons BUTTON
// windows, both drawn by the program, so that screen readers find them with
// their captions as window texts; frames are windows of their own class;
// lines are drawn by their container.
#include "Native.h"

#include <usp10.h>

#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/Twips.h"
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace forms {

namespace win {

namespace {

// Room between a button's caption and its lower edge, in pixels: the
// caption stands above the focus mark, which is drawn 3 pixels inside.
constexpr int kCaptionMargin = 4;
// Narrowed no further than this, in percent, before the letters get smaller.
constexpr int kNarrowest = 85;

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

void Invalidate(const NativeWidget& native) {
    if (native.hwnd)
        RedrawWindow(native.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The window text a screen reader reads: the caption, or the spoken name
// where there is no caption.
void UpdateText(const NativeWidget& native) {
    const std::string& text = native.caption.empty() ? native.spokenName : native.caption;
    // Past the STATIC class, which would draw the new text at once itself.
    DefWindowProcW(native.hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    Invalidate(native);
}

std::unique_ptr<NativeWidget> MakeChild(Container& container, NativeWidget::Kind kind,
                                        const wchar_t* windowClass, DWORD style) {
    auto native = std::make_unique<NativeWidget>(kind, &container.Native());
    HWND hwnd =
        CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0,
                        0, 0, container.Native().hwnd, nullptr, Instance(), nullptr);
    if (!hwnd)
        throw std::runtime_error("a control's window could not be made");
    native->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native.get()));
    if (kind == NativeWidget::Kind::Label || kind == NativeWidget::Kind::Button)
        native->baseProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    // Each control is made in front of those made before it.
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return native;
}

// A font selected into a device context for as long as it lives.
class SelectedFont {
public:
    SelectedFont(HDC dc, const LOGFONTW& font)
        : dc_(dc)
        , font_(CreateFontIndirectW(&font))
        , old_(SelectObject(dc, font_)) {}
    ~SelectedFont() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

// A text shaped by Uniscribe, right to left: Arabic joined, digits and Latin
// words in their order.
class Shaped {
public:
    Shaped(HDC dc, const std::wstring& text) {
        // A right-to-left paragraph: numbers in a row read from the right too.
        SCRIPT_CONTROL control{};
        SCRIPT_STATE state{};
        state.uBidiLevel = 1;
        if (!text.empty())
            ScriptStringAnalyse(dc, text.c_str(), static_cast<int>(text.size()),
                                static_cast<int>(text.size() * 3 / 2 + 16), -1,
                                SSA_GLYPHS | SSA_RTL | SSA_FALLBACK, 0, &control, &state, nullptr,
                                nullptr, nullptr, &analysis_);
    }
    ~Shaped() {
        if (analysis_)
            ScriptStringFree(&analysis_);
    }
    Shaped(const Shaped&) = delete;
    Shaped& operator=(const Shaped&) = delete;

    int Width() const {
        const SIZE* size = analysis_ ? ScriptString_pSize(analysis_) : nullptr;
        return size ? static_cast<int>(size->cx) : 0;
    }
    // The width of each character as shaped in its text.
    std::vector<int> Widths(std::size_t count) const {
        std::vector<int> widths(count, 0);
        if (analysis_ && count)
            ScriptStringGetLogicalWidths(analysis_, widths.data());
        return widths;
    }
    void Draw(int x, int baseline) const {
        if (analysis_)
            ScriptStringOut(analysis_, x, baseline, 0, nullptr, 0, 0, FALSE);
    }

private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

// A font's lines: the room above and below the baseline, the distance from
// one baseline to the next, and how far its letters reach above and below.
struct LineMetrics {
    int ascent = 0, descent = 0, pitch = 1;
    int inkAscent = 0, inkDescent = 0;
    int averageWidth = 1;
};

LineMetrics MetricsOf(HDC dc, const std::wstring& text) {
    LineMetrics line;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    line.averageWidth = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    line.ascent = metrics.tmAscent;
    line.descent = metrics.tmDescent;
    // The typographic line spacing: some Arabic faces give their Windows
    // ascent and descent room for every stacked mark, four lines' worth.
    OUTLINETEXTMETRICW outline{};
    outline.otmSize = sizeof outline;
    if (GetOutlineTextMetricsW(dc, sizeof outline, &outline) && outline.otmAscent > 0) {
        line.ascent = outline.otmAscent;
        line.descent = -outline.otmDescent;
        line.pitch = std::max(1, static_cast<int>(outline.otmAscent - outline.otmDescent +
                                                  static_cast<int>(outline.otmLineGap)));
    } else {
        line.pitch = std::max(1, static_cast<int>(metrics.tmHeight));
    }
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (const wchar_t c : text) {
        if (c == L' ')
            continue;
        GLYPHMETRICS glyph{};
        if (GetGlyphOutlineW(dc, c, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR)
            continue;
        line.inkAscent = std::max(line.inkAscent, static_cast<int>(glyph.gmptGlyphOrigin.y));
        line.inkDescent = std::max(line.inkDescent, static_cast<int>(glyph.gmBlackBoxY) -
                                                        static_cast<int>(glyph.gmptGlyphOrigin.y));
    }
    return line;
}

// The caption broken into lines at its spaces, each line as long as the
// width allows (a word longer than the width stands alone); the widths of the
// lines, trailing spaces left out.
struct Broken {
    std::vector<std::wstring> lines;
    std::vector<int> widths;
};

Broken BreakLines(HDC dc, const std::wstring& text, int width) {
    Broken broken;
    const Shaped shaped(dc, text);
    const std::vector<int> advance = shaped.Widths(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        // Words are added while the line stays within the width; the first
        // word stands on its line whatever its width.
        std::size_t end = start, best = start;
        int bestWidth = 0, run = 0;
        while (end < text.size()) {
            // The next word and the spaces after it.
            std::size_t wordEnd = end;
            while (wordEnd < text.size() && text[wordEnd] != L' ')
                run += advance[wordEnd++];
            const int withWord = run;
            std::size_t spaceEnd = wordEnd;
            while (spaceEnd < text.size() && text[spaceEnd] == L' ')
                run += advance[spaceEnd++];
            if (withWord > width && best != start)
                break;
            best = spaceEnd;
            bestWidth = withWord;
            end = spaceEnd;
            if (withWord > width)
                break;
        }
        std::size_t last = best;
        while (last > start && text[last - 1] == L' ')
            --last;
        broken.lines.push_back(text.substr(start, last - start));
        broken.widths.push_back(bestWidth);
        start = best;
    }
    return broken;
}

struct Trial {
    LabelLayout layout;
    int pitch = 1;
    int averageWidth = 1;
};

Trial TryLayout(HDC dc, const LOGFONTW& font, const std::wstring& text, int width, int height,
                TextAlignment alignment, int allowedLines) {
    Trial trial;
    trial.layout.font = font;
    const SelectedFont selected(dc, font);
    const LineMetrics line = MetricsOf(dc, text);
    trial.pitch = line.pitch;
    trial.averageWidth = line.averageWidth;
    const Broken broken = BreakLines(dc, text, width);
    // Letters that would reach above the label move the caption down, a
    // pixel clear of the edge.
    const int firstBaseline = std::max(line.ascent, line.inkAscent + 1);
    bool fits = allowedLines <= 0 || static_cast<int>(broken.lines.size()) <= allowedLines;
    int widest = 0;
    for (std::size_t i = 0; i < broken.lines.size(); ++i) {
        const int lineWidth = broken.widths[i];
        fits = fits && lineWidth <= width;
        widest = std::max(widest, lineWidth);
        int x = 0;
        if (alignment == TextAlignment::RightJustify)
            x = width - lineWidth;
        else if (alignment == TextAlignment::Center)
            x = (width - lineWidth) / 2;
        trial.layout.lines.push_back(broken.lines[i]);
        trial.layout.origins.push_back(POINT{x, firstBaseline + static_cast<int>(i) * line.pitch});
    }
    const int count = static_cast<int>(broken.lines.size());
    const int inkBottom = count ? firstBaseline + (count - 1) * line.pitch + line.inkDescent : 0;
    trial.layout.ink = RECT{0, count ? firstBaseline - line.inkAscent : 0, widest, inkBottom};
    trial.layout.fits = fits && inkBottom <= height;
    return trial;
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
        PaintContainer(*native.container, memory, offset, client);

        const auto& label = static_cast<const Label&>(*native.control);
        const LabelLayout layout = LayoutOf(label);
        {
            const SelectedFont selected(memory, layout.font);
            SetBkMode(memory, TRANSPARENT);
            SetTextColor(memory, Ref(label.ForeColor()));
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

int MouseButtons(WPARAM wParam) {
    return (wParam & MK_LBUTTON ? kLeftButton : 0) | (wParam & MK_RBUTTON ? kRightButton : 0) |
           (wParam & MK_MBUTTON ? kMiddleButton : 0);
}

int ShiftKeys(WPARAM wParam) {
    return (wParam & MK_SHIFT ? kShiftMask : 0) | (wParam & MK_CONTROL ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

bool Shown(const NativeWidget& native) {
    return (GetWindowLongPtrW(native.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void SetPushed(NativeWidget& native, bool pushed) {
    CallWindowProcW(native.baseProc, native.hwnd, BM_SETSTATE, pushed ? TRUE : FALSE, 0);
}

LRESULT ButtonMessage(NativeWidget& native, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& button = static_cast<CommandButton&>(*native.control);
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click like the first.
        message = WM_LBUTTONDOWN;
        break;
    case WM_MOUSEMOVE:
        if (!Ended())
            button.MouseMove.Raise(
                MouseButtons(wParam), ShiftKeys(wParam),
                static_cast<float>(static_cast<short>(LOWORD(lParam))) * TwipsPerPixelX(),
                static_cast<float>(static_cast<short>(HIWORD(lParam))) * TwipsPerPixelY());
        break;
    case WM_SETFOCUS: {
        const LRESULT result =
            CallWindowProcW(native.baseProc, native.hwnd, message, wParam, lParam);
        if (!Ended())
            button.GotFocus.Raise();
        return result;
    }
    case WM_KILLFOCUS:
        if (native.spaceDown) {
            native.spaceDown = false;
            SetPushed(native, false);
        }
        break;
    case WM_KEYDOWN:
        // A hidden button takes no key.
        if (!Shown(native))
            return 0;
        if (wParam == VK_SPACE) {
            if (!native.spaceDown) {
                native.spaceDown = true;
                SetPushed(native, true);
            }
            return 0;
        }
        if (wParam == VK_RETURN) {
            // Return, and Enter on the keypad, with no shift key held.
            if (GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 &&
                GetKeyState(VK_SHIFT) >= 0)
                ButtonClicked(native);
            return 0;
        }
        if (wParam == VK_TAB) {
            MoveFocus(*native.form, GetKeyState(VK_SHIFT) >= 0);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE && native.spaceDown) {
            native.spaceDown = false;
            SetPushed(native, false);
            if (Shown(native))
                ButtonClicked(native);
            return 0;
        }
        break;
    case WM_CHAR:
        // The keys a button uses are its own; others reach its window.
        if (wParam != L' ' && wParam != L'\r' && wParam != L'\n' && wParam != L'\t')
            KeyTyped(*native.form, static_cast<wchar_t>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_WANTALLKEYS;
    default:
        break;
    }
    return CallWindowProcW(native.baseProc, native.hwnd, message, wParam, lParam);
}

LRESULT LabelMessage(NativeWidget& native, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintLabel(native);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT:
        return DefWindowProcW(native.hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        native.pressed = true;
        SetCapture(native.hwnd);
        return 0;
    case WM_LBUTTONUP:
        if (native.pressed) {
            native.pressed = false;
            ReleaseCapture();
            RECT client;
            GetClientRect(native.hwnd, &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&client, at) && !Ended())
                static_cast<Label&>(*native.control).Click.Raise();
        }
        return 0;
    case WM_CAPTURECHANGED:
        native.pressed = false;
        break;
    default:
        break;
    }
    return CallWindowProcW(native.baseProc, native.hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWidget* native = NativeWidget::Of(hwnd);
    if (!native || !native->control)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (native->kind == NativeWidget::Kind::Button)
        return ButtonMessage(*native, message, wParam, lParam);
    return LabelMessage(*native, message, wParam, lParam);
}

} // namespace

LabelLayout LayoutOf(const Label& label) {
    NativeWidget& native = label.Native();
    RECT client;
    GetClientRect(native.hwnd, &client);
    const int width = client.right, height = client.bottom;
    const std::wstring text = Wide(label.Caption());
    const DesignFont& design = label.Font();
    const std::wstring key = text + L'\n' + Wide(design.family) + L'\n' +
                             std::to_wstring(design.points) + L' ' +
                             std::to_wstring(static_cast<int>(design.weight)) + L' ' +
                             std::to_wstring(static_cast<int>(label.Alignment())) + L' ' +
                             std::to_wstring(label.ShrinkToFit()) + L' ' + std::to_wstring(width) +
                             L' ' + std::to_wstring(height);
    if (key == native.layoutKey)
        return native.layout;

    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW font = FontFor(design, text);
    Trial trial = TryLayout(dc, font, text, width, height, label.Alignment(), 0);
    // As many lines as the label has room for in its own font: a smaller
    // font does not bring in more.
    const int lines = std::max(1, height / trial.pitch);
    trial = TryLayout(dc, font, text, width, height, label.Alignment(), lines);
    const int fullWidth = trial.averageWidth;
    // First narrower letters, a percent at a time, which keeps the lines as
    // they are; then smaller letters.
    int stretch = 100;
    for (int tries = 0; !trial.layout.fits && label.ShrinkToFit() && tries < 60; ++tries) {
        if (stretch > kNarrowest) {
            --stretch;
            font.lfWidth = std::max(1, (fullWidth * stretch + 50) / 100);
        } else {
            const LONG smaller = static_cast<LONG>(std::lround(font.lfHeight * 0.95));
            font.lfHeight = smaller == font.lfHeight ? font.lfHeight + 1 : smaller;
            if (font.lfHeight >= 0)
                break;
            font.lfWidth = 0;
            const int average =
                TryLayout(dc, font, L"", width, height, label.Alignment(), 0).averageWidth;
            font.lfWidth = std::max(1, (average * stretch + 50) / 100);
        }
        trial = TryLayout(dc, font, text, width, height, label.Alignment(), lines);
    }
    DeleteDC(dc);
    native.layout = trial.layout;
    native.layoutKey = key;
    return trial.layout;
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

    const std::wstring caption = Wide(button.Caption());
    const LOGFONTW design = FontFor(button.Font(), caption);
    HFONT font = CreateFontIndirectW(&design);
    HGDIOBJ oldFont = SelectObject(memory, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(memory, &metrics);
    const int lineHeight = metrics.tmHeight;
    const int captionTop = height - kCaptionMargin - lineHeight;

    if (const Pixels* picture = PictureNamed(button.Picture())) {
        // The room between the button's edge and the top of the caption's
        // letters (the whole button without a caption).
        const int top = 1;
        const int bottom =
            caption.empty() ? height - 1 : captionTop + metrics.tmInternalLeading - 1;
        int shownWidth = ToPixelsX(native.pictureWidth);
        int shownHeight = ToPixelsY(native.pictureHeight);
        // Shown at its size, smaller only where the button is too short for it.
        if (shownHeight > bottom - top && shownHeight > 0) {
            const int room = std::max(1, bottom - top);
            shownWidth = std::max(1, shownWidth * room / shownHeight);
            shownHeight = room;
        }
        const int left = (width - shownWidth) / 2;
        const int y = top + (bottom - top - shownHeight) / 2;
        const RECT box{left + shift, y + shift, left + shift + shownWidth, y + shift + shownHeight};
        DrawPicture(memory, *picture, box);
    }
    if (!caption.empty()) {
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        RECT box{shift, captionTop + shift, width + shift, captionTop + lineHeight + shift};
        DrawTextW(memory, caption.c_str(), static_cast<int>(caption.size()), &box,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_RTLREADING | DT_NOCLIP);
    }
    SelectObject(memory, oldFont);
    DeleteObject(font);
    if (item.itemState & ODS_FOCUS) {
        RECT mark{3, 3, width - 3, height - 3};
        DrawFocusRect(memory, &mark);
    }
    BitBlt(item.hDC, whole.left, whole.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace win

// --- Control --------------------------------------------------------------------------------

Control::Control(Container& container, std::unique_ptr<NativeWidget> native)
    : window_(container.Window())
    , native_(std::move(native)) {
    native_->control = this;
    native_->form = &window_;
}

Control::~Control() = default;

bool Control::Visible() const {
    return win::Shown(*native_);
}

void Control::SetVisible(bool visible) {
    ShowWindow(native_->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const {
    return IsWindowEnabled(native_->hwnd) != FALSE;
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(native_->hwnd, enabled ? TRUE : FALSE);
}

void Control::SetFocus() {
    // A window not shown yet gives the focus to the control when it is.
    NativeWidget& top = *native_->top;
    if (IsWindowVisible(top.hwnd))
        ::SetFocus(native_->hwnd);
    else
        top.focus = native_->hwnd;
}

void Control::SetName(std::string_view name) {
    name_ = name;
}

void Control::ZOrder() {
    SetWindowPos(native_->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::SetSpokenName(std::string_view name) {
    native_->spokenName = name;
    win::UpdateText(*native_);
}

void Control::Place() {
    const PixelRect box = ToPixels(left_, top_, width_, height_);
    SetWindowPos(native_->hwnd, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Label ----------------------------------------------------------------------------------

Label::Label(Container& container)
    : Control(container, win::MakeChild(container, NativeWidget::Kind::Label, L"STATIC",
                                        SS_OWNERDRAW | SS_NOTIFY)) {}

void Label::SetCaption(std::string_view caption) {
    caption_ = caption;
    Native().caption = caption_;
    win::UpdateText(Native());
}

void Label::SetAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    win::Invalidate(Native());
}

void Label::SetFontSize(float points) {
    font_.points = points;
    win::Invalidate(Native());
}

void Label::SetFont(const DesignFont& design) {
    font_ = design;
    win::Invalidate(Native());
}

void Label::SetForeColor(Color color) {
    foreColor_ = color;
    win::Invalidate(Native());
}

void Label::SetShrinkToFit(bool shrink) {
    shrinkToFit_ = shrink;
    win::Invalidate(Native());
}

// --- CommandButton --------------------------------------------------------------------------

CommandButton::CommandButton(Container& container)
    : Control(container, win::MakeChild(container, NativeWidget::Kind::Button, L"BUTTON",
                                        BS_OWNERDRAW | WS_TABSTOP)) {}

void CommandButton::SetCaption(std::string_view caption) {
    caption_ = caption;
    Native().caption = caption_;
    win::UpdateText(Native());
}

// Kept with the button; the Windows API has no description for a standard
// control short of an accessible object of the program's own.
void CommandButton::SetDescription(std::string_view description) {
    Native().description = description;
}

void CommandButton::SetFont(const DesignFont& design) {
    font_ = design;
    win::Invalidate(Native());
}

void CommandButton::SetPicture(std::string_view name, float widthTwips, float heightTwips) {
    picture_ = name;
    Native().pictureWidth = widthTwips;
    Native().pictureHeight = heightTwips;
    win::Invalidate(Native());
}

void CommandButton::SetPicture(std::string_view name) {
    constexpr float kTwipsPerPixelAt96Dpi = 15.0f;
    const win::Pixels* picture = win::PictureNamed(name);
    SetPicture(name, picture ? picture->width * kTwipsPerPixelAt96Dpi : 0,
               picture ? picture->height * kTwipsPerPixelAt96Dpi : 0);
}

// --- Frame ----------------------------------------------------------------------------------

Frame::Frame(Container& container)
    : Control(container, win::MakeChild(container, NativeWidget::Kind::Frame, win::FrameClass(),
                                        WS_CLIPCHILDREN)) {}

void Frame::SetBackColor(Color color) {
    Native().back = color;
    win::Invalidate(Native());
}

void Frame::SetForeColor(Color color) {
    Native().fore = color;
    Native().hasFore = true;
    win::Invalidate(Native());
}

// --- Line -----------------------------------------------------------------------------------

Line::Line(Container& container)
    : native_(std::make_unique<NativeWidget>(NativeWidget::Kind::Line, &container.Native())) {
    native_->container->lines.push_back(native_.get());
}

Line::~Line() {
    auto& lines = native_->container->lines;
    lines.erase(std::remove(lines.begin(), lines.end(), native_.get()), lines.end());
    win::Invalidate(*native_->container);
}

void Line::SetPoints(float x1, float y1, float x2, float y2) {
    native_->x1 = x1;
    native_->y1 = y1;
    native_->x2 = x2;
    native_->y2 = y2;
    win::Invalidate(*native_->container);
}

void Line::SetBorderColor(Color color) {
    native_->lineColor = color;
    native_->hasLineColor = true;
    win::Invalidate(*native_->container);
}

void Line::SetBorderWidth(int pixels) {
    native_->lineWidth = pixels;
    win::Invalidate(*native_->container);
}

void Line::ZOrder() {
    auto& lines = native_->container->lines;
    lines.erase(std::remove(lines.begin(), lines.end(), native_.get()), lines.end());
    lines.push_back(native_.get());
    win::Invalidate(*native_->container);
}

} // namespace forms
