// SPDX-License-Identifier: MIT
// The Windows side of the forms layer: what stands behind a window, a
// control and a timer, and what the implementation files share.
// Not for window code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "WinForms.h" // and <windows.h>, as the layer includes it
#include "forms/Types.h"

namespace forms {

class CommandButton;
class Control;
class Form;
class Label;
class Line;
class NativeLine;
class Timer;

// A window's or a control's native window, and what the forms layer keeps
// beside it; each kind below adds what it alone needs. Lines have no window
// of their own: their container draws them.
class NativeWidget {
public:
    enum class Kind { Form, Label, Button, Frame, Line };

    NativeWidget(Kind kind, NativeWidget* container);
    virtual ~NativeWidget();
    NativeWidget(const NativeWidget&) = delete;
    NativeWidget& operator=(const NativeWidget&) = delete;

    // The forms layer's widget behind a native window's handle.
    static NativeWidget* Of(HWND hwnd);

    const Kind kind;
    HWND hwnd = nullptr;
    // The container holding the control (nothing for a window) and the
    // window at the top.
    NativeWidget* const container;
    NativeWidget* const top;
    Control* control = nullptr;
    Form* form = nullptr;
    // The native class's own window procedure, where a control's is replaced.
    WNDPROC baseProc = nullptr;
    // Controls: the name spoken where the caption is empty.
    std::string spokenName;
    // Labels, frames and windows: a left press inside, not yet released.
    bool pressed = false;
    // Controls: where the design draws it among its container's; the
    // higher, the further in front (made later, or raised since).
    unsigned front = 0;
};

// Windows and frames: their background, and the lines they draw, in drawing
// order.
class NativeContainer : public NativeWidget {
public:
    using NativeWidget::NativeWidget;
    Color back{};
    std::vector<NativeLine*> lines;
};

class NativeFrame : public NativeContainer {
public:
    using NativeContainer::NativeContainer;
    // The edge's colour, once set.
    Color fore{};
    bool hasFore = false;
};

class NativeForm : public NativeContainer {
public:
    NativeForm()
        : NativeContainer(Kind::Form, nullptr) {}
    ~NativeForm() override;
    // The control that had, or is to get, the focus when the window is next
    // activated.
    HWND focus = nullptr;
    // The DPI the window is laid out at: the program's at first, then the
    // monitor's it was last moved to.
    UINT dpi = 0;
    // The icon's picture, and the icons made of it for that DPI.
    std::string icon;
    HICON bigIcon = nullptr, smallIcon = nullptr;
    // The live text that says the window's announcements to screen readers,
    // and the words it is to say once the window is active and the focus has
    // settled.
    HWND liveText = nullptr;
    std::string pendingAnnouncement;
};

class NativeLabel : public NativeWidget {
public:
    using NativeWidget::NativeWidget;
    // How the caption is laid out now, and what it was laid out for.
    win::LabelLayout layout;
    std::wstring layoutKey;
};

class NativeButton : public NativeWidget {
public:
    using NativeWidget::NativeWidget;
    // The size the picture is shown at, in twips.
    float pictureWidth = 0, pictureHeight = 0;
    // Space held down.
    bool spaceDown = false;
    // What a screen reader may say of the button after its name.
    std::string description;
};

class NativeLine : public NativeWidget {
public:
    using NativeWidget::NativeWidget;
    // The line drawn (its points and width), and its colour once set.
    const Line* line = nullptr;
    Color color{};
    bool hasColor = false;
};

class NativeTimer {
public:
    const Timer* owner = nullptr;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    bool running = false;
    bool fine = false; // holds a finer system timer resolution
};

namespace win {

// The kind's own part of a widget.
template <typename T> T& As(NativeWidget& native) {
    return static_cast<T&>(native);
}

// UTF-8 to UTF-16.
std::wstring Wide(std::string_view text);

COLORREF Ref(Color color);

// The window classes of windows and frames, registered once.
const wchar_t* FormClass();
const wchar_t* FrameClass();
// The window procedure that labels and buttons get in place of their class's.
LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The program's DPI: the primary monitor's, which the twips are measured at.
UINT Dpi();

// Fonts: a design at a DPI, the family and the LOGFONT a caption is drawn
// with. The toolkit's default font where the design gives no family. A face
// that lacks a caption's letters gives way to an installed one that has them.
LOGFONTW FontFor(const DesignFont& design, std::wstring_view caption, UINT dpi);

// A font selected into a device context for as long as it lives.
class SelectedFont {
public:
    SelectedFont(HDC dc, const LOGFONTW& font);
    ~SelectedFont();
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
    Shaped(HDC dc, const std::wstring& text);
    ~Shaped();
    Shaped(const Shaped&) = delete;
    Shaped& operator=(const Shaped&) = delete;

    int Width() const;
    // The width of each character as shaped in its text.
    std::vector<int> Widths(std::size_t count) const;
    void Draw(int x, int baseline) const;

private:
    void* analysis_ = nullptr;
};

// Painting: a container's own face (background, frame edge, lines) into dc,
// whose origin is at offset from the container's client origin; a label;
// a button's face, picture above the caption, focus mark.
void PaintContainer(NativeContainer& container, HDC dc, POINT offset, const RECT& area);
void PaintLabel(NativeWidget& label);
void DrawButton(NativeWidget& button, const DRAWITEMSTRUCT& item);
// Asks for the widget to be painted again, with what it holds.
void Invalidate(const NativeWidget& native);

// Whether the control's own window is shown (its containers aside).
bool Shown(const NativeWidget& native);

// The focus: given back to a window that becomes active (where it was, or
// the first control that can take it), and moved by Tab and Shift+Tab.
void GiveFocus(Form& form);
void Tab(Form& form, bool forward);

// A container's window procedure for what its children tell it.
bool ContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// A window's WM_TIMER: the tick of the timer with that id, while it lives.
void TimerTicked(UINT_PTR id);

// Pictures by name: a 32-bit top-down premultiplied BGRA bitmap, drawn with
// AlphaBlend; the icon of a picture.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> bgra; // premultiplied
};
const Pixels* PictureNamed(std::string_view name);
// A picture's size, its pixels left unread; 0 x 0 for a name with no picture.
SIZE PictureSizeOf(std::string_view name);
// The picture at another size: averaged where it shrinks, interpolated where
// it grows.
Pixels Scaled(const Pixels& source, int width, int height);
void DrawPicture(HDC dc, const Pixels& picture, const RECT& box);
HICON IconFrom(const Pixels& picture);
// The window's icons made again at its DPI's sizes, from its icon's picture.
void MakeIcons(NativeForm& window);

// A message a window posts itself: the pending announcement is said.
inline constexpr UINT kSayPending = WM_APP + 1;

} // namespace win
} // namespace forms
