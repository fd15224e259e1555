// SPDX-License-Identifier: MIT
// An event of a window or a control: the window code connects its handler,
// the forms layer raises it.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace forms {

template <typename... Args> class Event {
public:
    void Connect(std::function<void(Args...)> handler) { handlers_.push_back(std::move(handler)); }

    // Runs the handlers in the order they were connected.
    void Raise(Args... args) const {
        for (const auto& handler : handlers_)
            handler(args...);
    }

private:
    std::vector<std::function<void(Args...)>> handlers_;
};

} // namespace forms
