// SPDX-License-Identifier: MIT
// A window on Windows: a top-level window of the layer's own class
// (WindowProcs.cpp), its frame as designed, caption, icon and position.
#include <memory>
#include <stdexcept>

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
    RECT outer{0, 0, ToPixelsX(form.ClientWidth()), ToPixelsY(form.ClientHeight())};
    AdjustWindowRectExForDpi(&outer, Style(border), FALSE, ExStyle(border), win::Dpi());
    const wchar_t* windowClass = win::FormClass();
    if (!windowClass ||
        !CreateWindowExW(ExStyle(border), windowClass, L"", Style(border), 0, 0,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                         GetModuleHandleW(nullptr), native.get()))
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

// A hidden text of the window takes the words as its new name, which screen
// readers that follow name changes say.
void Form::Announce(std::string_view text) {
    auto& native = win::As<NativeForm>(*native_);
    if (!native.announcer)
        native.announcer =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFT, 0, 0, 0, 0, native.hwnd, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!native.announcer)
        return;
    SetWindowTextW(native.announcer, win::Wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, native.announcer, OBJID_CLIENT, CHILDID_SELF);
}

void Form::Place() {
    SetWindowPos(native_->hwnd, nullptr, ToPixelsX(left_), ToPixelsY(top_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Form::OuterWidth() const {
    RECT box;
    GetWindowRect(native_->hwnd, &box);
    return ToTwipsX(box.right - box.left);
}

float Form::OuterHeight() const {
    RECT box;
    GetWindowRect(native_->hwnd, &box);
    return ToTwipsY(box.bottom - box.top);
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
    // The picture of that name, and its 16-pixel drawing where there is one.
    const win::Pixels* big = win::PictureNamed(name);
    const win::Pixels* small = win::PictureNamed(SmallIconOf(name));
    if (!big)
        return;
    auto& native = win::As<NativeForm>(*native_);
    native.bigIcon = win::IconFrom(*big);
    native.smallIcon = win::IconFrom(small ? *small : *big);
    SendMessageW(native.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(native.bigIcon));
    SendMessageW(native.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(native.smallIcon));
}

void Form::Show() {
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
