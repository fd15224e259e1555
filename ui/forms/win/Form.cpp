// SPDX-License-Identifier: MIT
// A window on Windows: a top-level window of the layer's own class
// (WindowProcs.cpp), its frame as designed, caption, icon and position.
#include <memory>
#include <stdexcept>

#include "Accessible.h"
#include "Dpi.h"
#include "Native.h"
#include "forms/Form.h"
#include "forms/Pictures.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace {

DWORD Style(BorderStyle border) {
    switch (border) {
    case BorderStyle::FixedSingle:
        // Title bar with the caption and the close box; no minimise, no
        // maximise, no sizing edge.
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::FixedDialogNoTitle:
        // The raised dialog frame alone: no title bar, no system menu.
        return WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD ExStyle(BorderStyle border) {
    // A tool window is kept out of the taskbar.
    return border == BorderStyle::FixedDialogNoTitle ? WS_EX_TOOLWINDOW : 0;
}

} // namespace

NativePtr platform::NewWindow(Form& form) {
    const BorderStyle border = form.Border();
    auto native = std::make_unique<NativeForm>();
    native->form = &form;
    native->dpi = win::Dpi();
    RECT outer{0, 0, win::PixelsAt(form.ClientWidth(), native->dpi),
               win::PixelsAt(form.ClientHeight(), native->dpi)};
    AdjustWindowRectExForDpi(&outer, Style(border), FALSE, ExStyle(border), native->dpi);
    const wchar_t* windowClass = win::FormClass();
    if (!windowClass || !CreateWindowExW(ExStyle(border), windowClass, L"", Style(border), 0, 0,
                                         outer.right - outer.left, outer.bottom - outer.top,
                                         nullptr, nullptr, GetModuleHandleW(nullptr), native.get()))
        throw std::runtime_error("a window could not be made");
    native->back = form.ButtonFace();
    return NativePtr(native.release());
}

NativeForm::~NativeForm() {
    if (bigIcon)
        DestroyIcon(bigIcon);
    if (smallIcon)
        DestroyIcon(smallIcon);
}

void Form::SetName(std::string_view name) {
    name_ = name;
}

void Form::SetCaption(std::string_view caption) {
    caption_ = caption;
    SetWindowTextW(native_->hwnd, win::Wide(caption).c_str());
}

// The window's text is its name for screen readers; a window without a
// caption shows no title bar, so the text shows nowhere.
void Form::SetSpokenName(std::string_view name) {
    if (caption_.empty())
        SetWindowTextW(native_->hwnd, win::Wide(name).c_str());
}

// The window's live text says the words, once the handler that asks has
// returned and the focus has settled (WindowProcs.cpp), or once the window
// becomes active.
void Form::Announce(std::string_view text) {
    auto& native = win::As<NativeForm>(*native_);
    native.pendingAnnouncement = text;
    if (!native.liveText)
        native.liveText = win::MakeLiveText(native.hwnd);
    if (GetActiveWindow() == native.hwnd)
        PostMessageW(native.hwnd, win::kSayPending, 0, 0);
}

void Form::Place() {
    SetWindowPos(native_->hwnd, nullptr, ToPixelsX(left_), ToPixelsY(top_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Form::OuterWidth() const {
    RECT box;
    GetWindowRect(native_->hwnd, &box);
    return win::TwipsAt(box.right - box.left, win::DpiOf(*native_));
}

float Form::OuterHeight() const {
    RECT box;
    GetWindowRect(native_->hwnd, &box);
    return win::TwipsAt(box.bottom - box.top, win::DpiOf(*native_));
}

void Form::SetBackColor(Color color) {
    win::As<NativeForm>(*native_).back = color;
    RedrawWindow(native_->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Color Form::ButtonFace() const {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

void Form::SetIcon(std::string_view name) {
    auto& native = win::As<NativeForm>(*native_);
    native.icon = name;
    win::MakeIcons(native);
}

namespace win {

namespace {

// The icon at a size: the picture drawn for it, or the closest larger one
// made smaller (the small one, then the large one), or the large one grown.
HICON IconAt(std::string_view name, int size) {
    const Pixels* small = PictureNamed(SmallIconOf(name));
    const Pixels* big = PictureNamed(name);
    const Pixels* source = small && small->width >= size ? small : big ? big : small;
    if (!source)
        return nullptr;
    return source->width == size && source->height == size ? IconFrom(*source)
                                                           : IconFrom(Scaled(*source, size, size));
}

void Replace(HWND hwnd, WPARAM which, HICON& icon, HICON made) {
    SendMessageW(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(made));
    if (icon)
        DestroyIcon(icon);
    icon = made;
}

} // namespace

// At the sizes the desktop shows a window's icons at the window's DPI: 16,
// 20, 24 pixels small and 32, 40, 48 large at 100, 125, 150 %.
void MakeIcons(NativeForm& window) {
    if (window.icon.empty() || !PictureNamed(window.icon))
        return;
    const UINT dpi = DpiOf(window);
    Replace(window.hwnd, ICON_BIG, window.bigIcon,
            IconAt(window.icon, GetSystemMetricsForDpi(SM_CXICON, dpi)));
    Replace(window.hwnd, ICON_SMALL, window.smallIcon,
            IconAt(window.icon, GetSystemMetricsForDpi(SM_CXSMICON, dpi)));
}

} // namespace win

namespace {

// The window's and its frames' controls in reading order.
void OrderWindowForReading(HWND hwnd) {
    win::OrderForReading(hwnd);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (const NativeWidget* native = NativeWidget::Of(child);
            native && native->kind == NativeWidget::Kind::Frame)
            OrderWindowForReading(child);
}

} // namespace

void Form::Show() {
    OrderWindowForReading(native_->hwnd);
    ShowWindow(native_->hwnd, SW_SHOW);
    SetForegroundWindow(native_->hwnd);
    if (GetActiveWindow() == native_->hwnd && !IsChild(native_->hwnd, GetFocus()))
        win::GiveFocus(*this);
    UpdateWindow(native_->hwnd);
}

bool Form::Visible() const {
    return IsWindowVisible(native_->hwnd) != FALSE;
}

void Form::Close() {
    SendMessageW(native_->hwnd, WM_CLOSE, 0, 0);
}

} // namespace forms
