// SPDX-License-Identifier: MIT
#include "Focus.h"

#include <algorithm>

#include "Application.h"
#include "Form.h"
#include "Platform.h"

namespace forms {

Control* NextInChain(const std::vector<Control*>& chain, const Control* from, bool forward,
                     const std::function<bool(const Control&)>& canTakeFocus) {
    const std::size_t size = chain.size();
    const auto at = std::find(chain.begin(), chain.end(), from);
    // From outside the chain, as if from its end (forward) or its start (back).
    std::size_t index = at != chain.end() ? std::size_t(at - chain.begin())
                        : forward         ? size - 1
                                          : 0;
    for (std::size_t step = 1; step <= size; ++step) {
        index = forward ? (index + 1) % size : (index + size - 1) % size;
        if (canTakeFocus(*chain[index]))
            return chain[index];
    }
    return nullptr;
}

void SettleFocus(Form& form, const Control* from) {
    if (Ended() || !form.Visible())
        return;
    if (const Control* focused = platform::FocusedControl(form);
        focused && platform::CanTakeFocus(*focused))
        return;
    platform::MoveFocus(form, NextInChain(form.TabOrder(), from, true, platform::CanTakeFocus));
}

} // namespace forms
