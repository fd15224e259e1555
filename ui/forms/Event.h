// SPDX-License-Identifier: MIT
// An event of a window or a control: the window code connects its handler,
// the forms layer raises it. Once the program has ended, no handler runs.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "Application.h"

namespace forms {

template <typename... Args> class Event {
public:
    void Connect(std::function<void(Args...)> handler) { handlers_.push_back(std::move(handler)); }

    // Runs the handlers in the order they were connected, while the program
    // has not ended (a handler may end it).
    void Raise(Args... args) const {
        for (const auto& handler : handlers_) {
            if (Ended())
                return;
            handler(args...);
        }
    }

private:
    std::vector<std::function<void(Args...)>> handlers_;
};

} // namespace forms
