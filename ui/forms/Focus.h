// SPDX-License-Identifier: MIT
// The keyboard focus along a window's tab chain, the same on every platform:
// Tab and Shift+Tab go round the chain to the next control that can take the
// focus now, and a handler that hides or disables the control with the focus
// sees the focus move on only once it has finished.
#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <vector>

namespace forms {

class Control;
class Form;

// The next control after `from` in the chain (forward) or before it (back),
// round the chain, that can take the focus; from outside the chain the first
// (forward) or the last (back) that can. Null when none can.
template <typename C, typename CanTakeFocus>
C* NextInChain(const std::vector<C*>& chain, std::type_identity_t<const C*> from, bool forward,
               CanTakeFocus canTakeFocus) {
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

// After a handler has run: where the focus is on a control that can no
// longer take it, or on none, it moves on to the next control of the
// window's tab chain after `from` (the control the focus was on when the
// handler began) that can. Nothing happens once the program has ended or
// while the window is hidden.
void SettleFocus(Form& form, const Control* from);

} // namespace forms
