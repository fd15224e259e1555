// SPDX-License-Identifier: MIT
#include "Focus.h"

#include "Application.h"
#include "Form.h"
#include "Platform.h"

namespace forms {

void SettleFocus(Form& form, const Control* from) {
    if (Ended() || !form.Visible())
        return;
    if (const Control* focused = platform::FocusedControl(form);
        focused && platform::CanTakeFocus(*focused))
        return;
    platform::MoveFocus(form, NextInChain(form.TabOrder(), from, true, platform::CanTakeFocus));
}

} // namespace forms
