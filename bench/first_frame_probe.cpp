// SPDX-License-Identifier: MIT
// Preloaded (LD_PRELOAD) into an unchanged Qt program: when its first window
// has been painted, flushed and drawn by the X server, writes one line of
// JSON and ends the program. The line holds the times from the moment the
// dynamic loader ran this library (every library of the program loaded, main
// not started) to each step, the paint events (and how many of them the
// window itself had), the widgets shown in the window (itself included), the
// requests sent to the X server and the peak resident memory. The line goes to
// the file VELKARO_BENCH_PROBE_LOG names (appended), or else to standard output.
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "BenchSupport.h"

namespace {

const std::int64_t kLoaded = bench::NowNs();

// The widgets shown in a window, itself included.
int VisibleWidgets(const QWindow& window) {
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != &window)
            continue;
        int shown = 1;
        for (const QWidget* child : top->findChildren<QWidget*>())
            shown += child->isVisible() ? 1 : 0;
        return shown;
    }
    return 0;
}

class FirstFrameProbe : public QObject {
protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
            if (paints_++ == 0)
                firstPaint_ = bench::NowNs();
            windowPaints_ += static_cast<QWidget*>(receiver)->isWindow() ? 1 : 0;
            return false;
        }
        if (event->type() != QEvent::Expose || !receiver->isWindowType())
            return false;
        auto* window = static_cast<QWindow*>(receiver);
        if (firstExpose_ == 0)
            firstExpose_ = bench::NowNs();
        // The window handles the exposure here and now (Qt Widgets paints the
        // backing store and flushes it to the server in it); the filter then
        // stops the event, which has been delivered.
        static_cast<QObject*>(window)->event(event);
        if (!window->isExposed() || paints_ == 0)
            return true;
        const unsigned requests = bench::XRoundTrip();
        const std::int64_t frame = bench::NowNs();
        const auto ms = [](std::int64_t t) { return (t - kLoaded) / 1e6; };
        const char* path = std::getenv("VELKARO_BENCH_PROBE_LOG");
        FILE* out = path ? std::fopen(path, "a") : stdout;
        std::fprintf(out ? out : stdout,
                     "{\"program\": \"%s\", \"frame_ms\": %.3f, \"qapplication_ms\": %.3f, "
                     "\"first_expose_ms\": %.3f, \"first_paint_ms\": %.3f, \"paint_events\": %d, "
                     "\"window_paint_events\": %d, \"visible_widgets\": %d, \"x_requests\": %u, "
                     "\"vmhwm_kb\": %ld, \"window\": \"%dx%d\"}\n",
                     qPrintable(QFileInfo(QCoreApplication::applicationFilePath()).fileName()),
                     ms(frame), ms(created_), ms(firstExpose_), ms(firstPaint_), paints_,
                     windowPaints_, VisibleWidgets(*window), requests, bench::StatusKb("VmHWM"),
                     window->width(), window->height());
        std::fflush(out ? out : stdout);
        std::_Exit(0);
    }

private:
    const std::int64_t created_ = bench::NowNs();
    std::int64_t firstExpose_ = 0;
    std::int64_t firstPaint_ = 0;
    int paints_ = 0;
    int windowPaints_ = 0;
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstFrameProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
