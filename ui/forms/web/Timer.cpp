// SPDX-License-Identifier: MIT
// A timer is the page's interval timer; its ticks come as events like the
// others, so that none runs once the program has ended.
#include "forms/Timer.h"

#include <algorithm>
#include <vector>

#include "Native.h"

namespace forms {

class NativeTimer {
public:
    explicit NativeTimer(Timer& owner)
        : owner_(owner) {
        Timers().push_back(this);
    }
    ~NativeTimer() {
        Stop();
        std::erase(Timers(), this);
    }
    NativeTimer(const NativeTimer&) = delete;
    NativeTimer& operator=(const NativeTimer&) = delete;

    void Start(int milliseconds) {
        Stop();
        handle_ = vk_timer(milliseconds);
        element_ = std::make_unique<NativeWidget>(-handle_, NativeWidget::Kind::Timer);
        element_->onEvent = [this](const PageEvent&) { owner_.Tick.Raise(); };
    }
    void Stop() {
        if (!handle_)
            return;
        vk_timer_stop(handle_);
        handle_ = 0;
        element_.reset();
    }

    static std::vector<NativeTimer*>& Timers() {
        static std::vector<NativeTimer*> timers;
        return timers;
    }

private:
    Timer& owner_;
    int handle_ = 0;
    std::unique_ptr<NativeWidget> element_;
};

Timer::Timer(Form& /*owner*/, int intervalMs, bool enabled)
    : native_(std::make_unique<NativeTimer>(*this))
    , interval_(intervalMs)
    , enabled_(enabled) {
    if (enabled)
        native_->Start(intervalMs);
}

Timer::~Timer() = default;

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        native_->Start(interval_);
    else
        native_->Stop();
}

namespace web {

void StopTimers() {
    for (NativeTimer* timer : NativeTimer::Timers())
        timer->Stop();
}

} // namespace web
} // namespace forms
