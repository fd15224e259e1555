// SPDX-License-Identifier: MIT
// The controls on Windows: labels are STATIC windows and buttons BUTTON
// windows, both drawn by the program, so that screen readers find them with
// their captions as window texts; frames are windows of their own class.
#include <stdexcept>

#include "Accessible.h"
#include "Dpi.h"
#include "Native.h"
#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace {

// The window text a screen reader reads: the caption, or the spoken name
// where there is no caption.
void UpdateText(const NativeWidget& native, const std::string& caption) {
    const std::string& text = caption.empty() ? native.spokenName : caption;
    // Past the STATIC class, which would draw the new text at once itself.
    DefWindowProcW(native.hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win::Wide(text).c_str()));
    win::Invalidate(native);
}

// The caption of a control that has one.
const std::string& CaptionOf(const Control& control) {
    static const std::string none;
    const auto* captioned = dynamic_cast<const CaptionedControl*>(&control);
    return captioned ? captioned->Caption() : none;
}

unsigned NextFront() {
    static unsigned front = 0;
    return ++front;
}

template <typename Kind>
NativePtr MakeChild(Control& control, Container& container, NativeWidget::Kind kind,
                    const wchar_t* windowClass, DWORD style) {
    NativePtr native(new Kind(kind, &container.Native()));
    native->control = &control;
    native->form = &container.Window();
    HWND hwnd =
        CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0,
                        0, 0, container.Native().hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        throw std::runtime_error("a control's window could not be made");
    native->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native.get()));
    if (kind == NativeWidget::Kind::Label || kind == NativeWidget::Kind::Button)
        native->baseProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(win::ControlProc)));
    // Each control is drawn in front of those made before it; the windows
    // are put in that order, and in reading order for screen readers, once
    // the window is shown.
    native->front = NextFront();
    return native;
}

// The order screen readers read a shown window's controls in, once a control
// is shown or moves.
void KeepReadingOrder(const NativeWidget& native) {
    if (IsWindowVisible(native.top->hwnd))
        win::OrderForReading(native.container->hwnd);
}

} // namespace

// --- The native widget ----------------------------------------------------------------------

NativeWidget::NativeWidget(Kind kind, NativeWidget* container)
    : kind(kind)
    , container(container)
    , top(container ? container->top : this) {}

NativeWidget::~NativeWidget() {
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (baseProc)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc));
        DestroyWindow(hwnd);
    }
}

NativeWidget* NativeWidget::Of(HWND hwnd) {
    return reinterpret_cast<NativeWidget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void NativeDeleter::operator()(NativeWidget* native) const {
    delete native;
}

NativePtr platform::NewLabel(Label& label, Container& container) {
    return MakeChild<NativeLabel>(label, container, NativeWidget::Kind::Label, L"STATIC",
                                  SS_OWNERDRAW | SS_NOTIFY);
}

NativePtr platform::NewButton(CommandButton& button, Container& container) {
    return MakeChild<NativeButton>(button, container, NativeWidget::Kind::Button, L"BUTTON",
                                   BS_OWNERDRAW | WS_TABSTOP);
}

NativePtr platform::NewFrame(Frame& frame, Container& container) {
    return MakeChild<NativeFrame>(frame, container, NativeWidget::Kind::Frame, win::FrameClass(),
                                  WS_CLIPCHILDREN);
}

void platform::ShowCaption(CaptionedControl& control) {
    UpdateText(control.Native(), control.Caption());
}

// --- Control --------------------------------------------------------------------------------

bool Control::Visible() const {
    return win::Shown(*native_);
}

void Control::SetVisible(bool visible) {
    if (visible) {
        ShowWindow(native_->hwnd, SW_SHOWNA);
        KeepReadingOrder(*native_);
    } else if (GetFocus() == native_->hwnd) {
        // The focus stays until it settles on the next control: hidden by
        // ShowWindow, the control would hand it to the window, and screen
        // readers would say the window's name first.
        SetWindowPos(native_->hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        ShowWindow(native_->hwnd, SW_HIDE);
    }
}

bool Control::Enabled() const {
    return IsWindowEnabled(native_->hwnd) != FALSE;
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(native_->hwnd, enabled ? TRUE : FALSE);
}

void Control::SetName(std::string_view name) {
    name_ = name;
}

void Control::ZOrder() {
    native_->front = NextFront();
    KeepReadingOrder(*native_);
}

void Control::SetSpokenName(std::string_view name) {
    native_->spokenName = name;
    UpdateText(*native_, CaptionOf(*this));
}

// At the window's own DPI, by the rule of Twips.h.
void Control::Place() {
    const PixelRect box = win::BoxAt(left_, top_, width_, height_, win::DpiOf(*native_));
    SetWindowPos(native_->hwnd, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    KeepReadingOrder(*native_);
}

bool win::Shown(const NativeWidget& native) {
    return (GetWindowLongPtrW(native.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace forms
