// SPDX-License-Identifier: MIT
// The keyboard focus: a window remembers the control that has it, and the
// page's focus follows while the window shows. Tab goes through the buttons
// in the elements' order, which is the window's tab chain.
#include "Native.h"
#include "forms/Platform.h"

namespace forms::platform {

bool CanTakeFocus(const Control& control) {
    const NativeWidget& native = control.Native();
    if (!native.button || !native.enabled)
        return false;
    for (const NativeWidget* element = &native; element && element != native.window;
         element = element->container)
        if (!element->visible)
            return false;
    return true;
}

Control* FocusedControl(const Form& form) {
    return form.Native().focus;
}

void MoveFocus(Form& form, Control* control) {
    NativeWidget& window = form.Native();
    window.focus = control;
    if (control && window.shown && CanTakeFocus(*control))
        vk_focus(control->Native().Id());
}

void TabOrderChanged(Form& form) {
    for (Control* control : form.TabOrder())
        if (control->Native().button)
            vk_append(control->Native().Id());
}

} // namespace forms::platform
