// SPDX-License-Identifier: MIT
// Preloaded (LD_PRELOAD) into an unchanged Qt program: when its first window
// has been painted, flushed and drawn by the X server, prints one line with
// the times since the launcher's exec and the peak resident memory, then ends
// the program. The launcher puts its CLOCK_MONOTONIC reading, taken just
// before exec, in VELKARO_BENCH_T0_NS.
//
// Also tells how many paint events there were (and how many of them the
// window itself had) and how many requests the program sent to the X server.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "BenchSupport.h"

namespace {

// When the dynamic loader ran this library's initialisers: every library of
// the program is loaded by then, and main has not started.
const std::int64_t kLoaded = bench::NowNs();

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(std::int64_t t0)
        : t0_(t0)
        , created_(bench::NowNs()) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
            if (paints_++ == 0)
                firstPaint_ = bench::NowNs();
            auto* widget = static_cast<QWidget*>(receiver);
            if (widget->isWindow())
                ++windowPaints_;
            if (tracePaints_)
                std::fprintf(stderr, "paint %s %s\n", widget->metaObject()->className(),
                             qPrintable(widget->objectName()));
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
        const auto ms = [this](std::int64_t t) { return (t - t0_) / 1e6; };
        std::printf("velkaro-bench-frame first_frame_ms=%.3f loaded_ms=%.3f qapplication_ms=%.3f "
                    "first_expose_ms=%.3f first_paint_ms=%.3f paint_events=%d "
                    "window_paint_events=%d x_requests=%u vmhwm_kb=%ld vmrss_kb=%ld "
                    "window=%dx%d\n",
                    ms(frame), ms(kLoaded), ms(created_), ms(firstExpose_), ms(firstPaint_),
                    paints_, windowPaints_, requests, bench::StatusKb(0, "VmHWM"),
                    bench::StatusKb(0, "VmRSS"), window->width(), window->height());
        std::fflush(stdout);
        // VELKARO_BENCH_SMAPS=FILE: where the resident memory lies, mapping by mapping.
        if (const char* smaps = std::getenv("VELKARO_BENCH_SMAPS")) {
            std::ifstream in("/proc/self/smaps");
            std::ofstream(smaps) << in.rdbuf();
        }
        std::_Exit(0);
    }

private:
    std::int64_t t0_;
    std::int64_t created_;
    std::int64_t firstExpose_ = 0;
    std::int64_t firstPaint_ = 0;
    int paints_ = 0;
    int windowPaints_ = 0;
    // VELKARO_BENCH_PAINTS set: each paint event's widget on standard error.
    const bool tracePaints_ = std::getenv("VELKARO_BENCH_PAINTS") != nullptr;
};

void InstallProbe() {
    const char* t0 = std::getenv("VELKARO_BENCH_T0_NS");
    if (!t0)
        return;
    QCoreApplication::instance()->installEventFilter(
        new FirstFrameProbe(std::strtoll(t0, nullptr, 10)));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
