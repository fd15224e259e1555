// SPDX-License-Identifier: MIT
// A timer owned by a window; its ticks arrive as the window's events.
#pragma once

#include <QTimer>

namespace forms {

class Timer : public QTimer {
    Q_OBJECT
public:
    // Ticks every intervalMs milliseconds, as precisely as the platform
    // allows, from creation on when enabled.
    Timer(QObject* owner, int intervalMs, bool enabled);
};

} // namespace forms
