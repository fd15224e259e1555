// SPDX-License-Identifier: MIT
// A timer owned by a window; its ticks arrive as the window's events.
#pragma once

#include <memory>

#include "Event.h"

namespace forms {

class Form;
class NativeTimer;

class Timer {
public:
    // Ticks every intervalMs milliseconds, as precisely as the platform
    // allows, from creation on when enabled.
    Timer(Form& owner, int intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    Event<> Tick;

private:
    std::unique_ptr<NativeTimer> native_;
    int interval_;
    bool enabled_;
};

} // namespace forms
