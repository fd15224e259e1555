// SPDX-License-Identifier: MIT
// A timer is the page's interval timer; its ticks come as events like the
// others, so that none runs once the program has ended.
#include "forms/Timer.h"

#include <algorithm>
#include <vector>

#include "Native.h"
#include "forms/Platform.h"

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

void NativeTimerDeleter::operator()(NativeTimer* native) const {
    delete native;
}

std::unique_ptr<NativeTimer, NativeTimerDeleter> platform::NewTimer(Timer& timer, Form&) {
    return std::unique_ptr<NativeTimer, NativeTimerDeleter>(new NativeTimer(timer));
}

void platform::RunTimer(Timer& timer, bool running) {
    if (running)
        timer.Native().Start(timer.Interval());
    else
        timer.Native().Stop();
}

namespace web {

void StopTimers() {
    for (NativeTimer* timer : NativeTimer::Timers())
        timer->Stop();
}

} // namespace web
} // namespace forms
