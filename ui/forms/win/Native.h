// SPDX-License-Identifier: MIT
// The Windows side of the forms layer: what stands behind a window, a
// control and a timer, and the helpers the implementation files share.
// Not for window code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "WinForms.h" // and <windows.h>, as the layer includes it
#include "forms/Types.h"

namespace forms {

class Control;
class Form;
class Timer;

// A window's or a control's native window, and what the forms layer keeps
// beside it. Lines have no window of their own: their window draws them.
class NativeWidget {
public:
    enum class Kind { Form, Label, Button, Frame, Line };

    NativeWidget(Kind kind, NativeWidget* container);
    ~NativeWidget();
    NativeWidget(const NativeWidget&) = delete;
    NativeWidget& operator=(const NativeWidget&) = delete;

    // The native window's handle; the forms layer's widget behind a handle.
    static NativeWidget* Of(HWND hwnd);

    Kind kind;
    HWND hwnd = nullptr;
    // The container holding the control (nothing for a window) and the
    // window at the top.
    NativeWidget* container = nullptr;
    NativeWidget* top = nullptr;
    Control* control = nullptr;
    Form* form = nullptr;
    // The native class's own window procedure, where a control's is replaced.
    WNDPROC baseProc = nullptr;

    // Windows and frames: the background; frames: the edge colour.
    Color back{}, fore{};
    bool hasFore = false;
    // Windows: the keyboard's tab chain, the lines they draw (in drawing
    // order), the control that had or is to get the focus, the icons.
    std::vector<Control*> tabOrder;
    std::vector<NativeWidget*> lines;
    HWND focus = nullptr;
    HICON bigIcon = nullptr, smallIcon = nullptr;

    // Labels, frames and windows: a left press inside, not yet released.
    bool pressed = false;

    // Labels and buttons: the caption, and how a label's is laid out now
    // (for the key it was laid out for).
    std::string caption;
    win::LabelLayout layout;
    std::wstring layoutKey;

    // Buttons: the picture and the size it is shown at, in twips; the name
    // spoken where the caption is empty; Space held down.
    std::string picture;
    float pictureWidth = 0, pictureHeight = 0;
    std::string spokenName;
    bool spaceDown = false;
    // Buttons: what a screen reader may say of the button after its name.
    std::string description;
    // Windows: a hidden text whose new name tells screen readers what a
    // change of screen shows.
    HWND announcer = nullptr;

    // Lines: the two points in twips, colour and width.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color lineColor{};
    bool hasLineColor = false;
    int lineWidth = 1;
};

class NativeTimer {
public:
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    bool running = false;
    bool fine = false; // holds a finer system timer resolution
};

namespace win {

// UTF-8 to UTF-16 and back.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

COLORREF Ref(Color color);

// The window classes of windows and frames, registered once.
const wchar_t* FormClass();
const wchar_t* FrameClass();

// The program's DPI: the primary monitor's, which the twips are measured at.
UINT Dpi();

// Fonts: a design at this DPI, the family and the LOGFONT a caption is drawn
// with. The toolkit's default font where the design gives no family. A face
// that lacks a caption's letters gives way to an installed one that has them.
LOGFONTW FontFor(const DesignFont& design, std::wstring_view caption);

// Paints a container's own face (background, frame edge, lines) into dc,
// whose origin is at offset from the container's client origin.
void PaintContainer(NativeWidget& container, HDC dc, POINT offset, const RECT& area);

// Draws a button: face, picture above the caption, focus mark.
void DrawButton(NativeWidget& button, const DRAWITEMSTRUCT& item);
// The button was pressed (mouse, Space, Return): Click, then the focus settles.
void ButtonClicked(NativeWidget& button);

// Whether a control can take the keyboard focus now.
bool CanTakeFocus(const Control& control);
// The focus left on nothing usable (a control hidden or disabled by a
// handler) moves on to the next control in tab order after the one given.
void SettleFocus(Form& form, Control* after);
// Tab and Shift+Tab.
void MoveFocus(Form& form, bool forward);

// A container's window procedure for what its children tell it.
bool ContainerMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// A window's key press (a typed character).
void KeyTyped(Form& form, wchar_t character);

// Whether End() has run: no handler runs after it.
bool Ended();

// Pictures by name: a 32-bit top-down premultiplied BGRA bitmap, drawn with
// AlphaBlend; the icon of a picture.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> bgra; // premultiplied
};
const Pixels* PictureNamed(std::string_view name);
void DrawPicture(HDC dc, const Pixels& picture, const RECT& box);
HICON IconFrom(const Pixels& picture);

} // namespace win
} // namespace forms
