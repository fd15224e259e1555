// SPDX-License-Identifier: MIT
#include "Timer.h"

namespace forms {

Timer::Timer(QObject* owner, int intervalMs, bool enabled)
    : QTimer(owner) {
    setTimerType(Qt::PreciseTimer);
    setInterval(intervalMs);
    if (enabled)
        start();
}

} // namespace forms
