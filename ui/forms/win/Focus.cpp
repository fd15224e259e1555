// SPDX-License-Identifier: MIT
// The keyboard focus on Windows: which control can take it, where it is,
// and giving it; the chain and its rules are the shared ones.
#include "forms/Focus.h"
#include "Native.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Platform.h"

namespace forms {

namespace {

Control* ControlOf(HWND hwnd) {
    NativeWidget* native = hwnd ? NativeWidget::Of(hwnd) : nullptr;
    return native ? native->control : nullptr;
}

} // namespace

bool platform::CanTakeFocus(const Control& control) {
    const NativeWidget& native = control.Native();
    if (native.kind != NativeWidget::Kind::Button || !IsWindowEnabled(native.hwnd))
        return false;
    // Shown, and so are the containers it stands in (the window aside).
    for (HWND hwnd = native.hwnd; hwnd && hwnd != native.top->hwnd; hwnd = GetParent(hwnd))
        if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE))
            return false;
    return true;
}

Control* platform::FocusedControl(const Form& form) {
    HWND focus = GetFocus();
    return focus && IsChild(form.Native().hwnd, focus) ? ControlOf(focus) : nullptr;
}

void platform::MoveFocus(Form&, Control* control) {
    if (control)
        ::SetFocus(control->Native().hwnd);
}

// Tab and Shift+Tab go along the layer's own chain.
void platform::TabOrderChanged(Form&) {}

void win::GiveFocus(Form& form) {
    auto& native = As<NativeForm>(form.Native());
    if (Control* wanted = ControlOf(native.focus);
        wanted && IsWindow(native.focus) && platform::CanTakeFocus(*wanted)) {
        ::SetFocus(native.focus);
        return;
    }
    if (Control* first = NextInChain(form.TabOrder(), nullptr, true, platform::CanTakeFocus))
        ::SetFocus(first->Native().hwnd);
    else
        ::SetFocus(native.hwnd);
}

void win::Tab(Form& form, bool forward) {
    if (Control* next =
            NextInChain(form.TabOrder(), ControlOf(GetFocus()), forward, platform::CanTakeFocus))
        ::SetFocus(next->Native().hwnd);
}

void Control::SetFocus() {
    // A window not shown yet gives the focus to the control when it is.
    auto& top = win::As<NativeForm>(*native_->top);
    if (IsWindowVisible(top.hwnd))
        ::SetFocus(native_->hwnd);
    else
        top.focus = native_->hwnd;
}

} // namespace forms
