// SPDX-License-Identifier: MIT
// A timer on Qt: a precise QTimer that the window's widget owns, so that it
// stops with the window.
#include "forms/Timer.h"

#include <QTimer>

#include "Native.h"
#include "forms/Platform.h"

namespace forms {

class NativeTimer {
public:
    explicit NativeTimer(QWidget& owner)
        : timer(new QTimer(&owner)) {}
    ~NativeTimer() { delete timer; }
    QTimer* timer;
};

void NativeTimerDeleter::operator()(NativeTimer* native) const {
    delete native;
}

std::unique_ptr<NativeTimer, NativeTimerDeleter> platform::NewTimer(Timer& timer, Form& owner) {
    std::unique_ptr<NativeTimer, NativeTimerDeleter> native(new NativeTimer(qt::Widget(owner)));
    QTimer& ticks = *native->timer;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(timer.Interval());
    QObject::connect(&ticks, &QTimer::timeout, [&timer] { timer.Tick.Raise(); });
    return native;
}

void platform::RunTimer(Timer& timer, bool running) {
    if (running)
        timer.Native().timer->start();
    else
        timer.Native().timer->stop();
}

} // namespace forms
