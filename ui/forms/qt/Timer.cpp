// SPDX-License-Identifier: MIT
#include "forms/Timer.h"

#include <QTimer>

#include "Native.h"

namespace forms {

// A timer that the window's widget owns, so that it stops with the window.
class NativeTimer {
public:
    explicit NativeTimer(QWidget& owner)
        : timer(new QTimer(&owner)) {}
    ~NativeTimer() { delete timer; }
    QTimer* timer;
};

Timer::Timer(Form& owner, int intervalMs, bool enabled)
    : native_(std::make_unique<NativeTimer>(qt::Widget(owner)))
    , interval_(intervalMs)
    , enabled_(enabled) {
    QTimer& timer = *native_->timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    QObject::connect(&timer, &QTimer::timeout, [this] { Tick.Raise(); });
    if (enabled)
        timer.start();
}

Timer::~Timer() = default;

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        native_->timer->start();
    else
        native_->timer->stop();
}

} // namespace forms
