// SPDX-License-Identifier: MIT
// A timer owned by a window; its ticks arrive as the window's events.
#pragma once

#include <memory>

#include "Event.h"

namespace forms {

class Form;
// The platform's timer behind a Timer; each platform defines it, and how it
// is destroyed (stopped first).
class NativeTimer;
struct NativeTimerDeleter {
    void operator()(NativeTimer* native) const;
};

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

    // The platform's timer, for the forms layer's own code.
    NativeTimer& Native() const { return *native_; }

private:
    int interval_;
    bool enabled_;
    std::unique_ptr<NativeTimer, NativeTimerDeleter> native_;
};

} // namespace forms
