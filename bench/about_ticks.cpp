// SPDX-License-Identifier: MIT
// The About window's greeting: opens the window as closing the game does and
// lets it scroll. Three passes, one after the other:
//  1. plain: ticks per second and the CPU time of this program and of the X
//     server (given by process id) over the same interval; the figures that
//     count;
//  2. instrumented: what one tick costs, split into the tick handler, each
//     widget's paint and the rest of the repaint;
//  3. what any tick costs: the window as it is, in turn with a timer of the
//     same interval that does nothing and with one that only repaints the
//     greeting where it stands.
//
//   velkaro_bench_about [--seconds 5] [--xserver-pid PID]
//   velkaro_bench_about --ticks N     N ticks alone, for instruction counts
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "BenchSupport.h"
#include "forms/Application.h"
#include "forms/qt/Native.h"
#include "frmAbout.h"

namespace {

constexpr double kTicksTarget = 95;
constexpr double kCpuTarget = 2;

// Runs the event loop for a while.
void Spin(int ms) {
    QTimer::singleShot(ms, Qt::PreciseTimer, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

long long Area(const QRegion& region) {
    long long area = 0;
    for (const QRect& r : region)
        area += static_cast<long long>(r.width()) * r.height();
    return area;
}

// Delivers the event to its receiver now and returns how long that took.
long long Timed(QObject* receiver, QEvent* event) {
    const std::int64_t start = bench::NowNs();
    receiver->event(event);
    return bench::NowNs() - start;
}

// Counts and times what the window does with its events: the timer's tick
// handling, the repaints (one UpdateRequest of the window is one frame:
// every paint event in it and the flush to the server) and each widget's
// painted area.
class Recorder : public QObject {
public:
    Recorder(QWidget& window, QTimer& timer)
        : window_(window)
        , timer_(timer) {}

    long long frames = 0, frameNs = 0, tickHandlerNs = 0;
    long long wholeWindowPaints = 0;
    struct Painted {
        long long events = 0, pixels = 0, ns = 0;
    };
    std::map<std::string, Painted> painted;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (receiver == &timer_ && event->type() == QEvent::Timer) {
            tickHandlerNs += Timed(receiver, event);
            return true;
        }
        if (receiver == &window_ && event->type() == QEvent::UpdateRequest) {
            ++frames;
            frameNs += Timed(receiver, event);
            return true;
        }
        if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
            const QRegion region = static_cast<QPaintEvent*>(event)->region();
            std::string name = receiver->objectName().toStdString();
            if (name.empty())
                name = receiver->metaObject()->className();
            Painted& p = painted[name];
            ++p.events;
            p.pixels += Area(region);
            // (QRegion::contains(QRect) only tells that they overlap.)
            if (receiver == &window_ && (QRegion(window_.rect()) - region).isEmpty())
                ++wholeWindowPaints;
            p.ns += Timed(receiver, event);
            return true;
        }
        return false;
    }

private:
    QWidget& window_;
    QTimer& timer_;
};

struct Pass {
    double seconds = 0, ticksPerSecond = 0, movesPerSecond = 0, cpuPercent = 0, xPercent = -1;
    double longestGapMs = 0;
    long long lateTicks = 0, ticks = 0;
    unsigned xRequests = 0;
};

// Runs the window for a while, counting the ticks after the window's own handler.
Pass Run(double seconds, QTimer& timer, QWidget& greeting, pid_t xserver) {
    long long ticks = 0, moves = 0, late = 0;
    std::int64_t lastTick = 0, longestGap = 0;
    QPoint lastPos = greeting.pos();
    const auto connection = QObject::connect(&timer, &QTimer::timeout, qApp, [&] {
        const std::int64_t now = bench::NowNs();
        if (lastTick) {
            longestGap = std::max(longestGap, now - lastTick);
            late += now - lastTick > 20'000'000 ? 1 : 0;
        }
        lastTick = now;
        ++ticks;
        moves += greeting.pos() != lastPos ? 1 : 0;
        lastPos = greeting.pos();
    });
    const std::int64_t cpu0 = bench::SelfCpuNs();
    const std::int64_t x0 = xserver ? bench::ProcessCpuNs(xserver) : -1;
    const unsigned requests0 = bench::XRoundTrip();
    const std::int64_t t0 = bench::NowNs();
    Spin(static_cast<int>(seconds * 1000));
    const std::int64_t t1 = bench::NowNs();
    // The round trips themselves are two of them.
    const unsigned requests1 = bench::XRoundTrip();
    const std::int64_t cpu1 = bench::SelfCpuNs();
    const std::int64_t x1 = xserver ? bench::ProcessCpuNs(xserver) : -1;
    QObject::disconnect(connection);

    Pass pass;
    pass.seconds = (t1 - t0) / 1e9;
    pass.ticks = ticks;
    pass.ticksPerSecond = ticks / pass.seconds;
    pass.movesPerSecond = moves / pass.seconds;
    pass.cpuPercent = 100.0 * (cpu1 - cpu0) / 1e9 / pass.seconds;
    if (xserver)
        pass.xPercent = 100.0 * (x1 - x0) / 1e9 / pass.seconds;
    pass.longestGapMs = longestGap / 1e6;
    pass.lateTicks = late;
    pass.xRequests = requests1 - requests0 - 1;
    return pass;
}

} // namespace

int main(int argc, char* argv[]) {
    forms::PreparePlatform(); // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const double seconds = std::stod(bench::Option(argc, argv, "--seconds", "5"));
    const pid_t xserver = std::stoi(bench::Option(argc, argv, "--xserver-pid", "0"));

    frmAbout& about = frmAbout::Instance();
    about.Show();
    QWidget& aboutWidget = forms::qt::Widget(about);
    QElapsedTimer waited;
    waited.start();
    while (!(aboutWidget.windowHandle() && aboutWidget.windowHandle()->isExposed()) &&
           waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!aboutWidget.windowHandle()->isExposed()) {
        std::fputs("about: the About window was never shown\n", stderr);
        return 1;
    }
    Spin(300);

    auto* greeting = aboutWidget.findChild<QWidget*>(QStringLiteral("Label7"));
    auto* timer = aboutWidget.findChild<QTimer*>();
    if (!greeting || !timer) {
        std::fputs("about: no Label7 or no timer in the About window\n", stderr);
        return 1;
    }

    // --ticks N: only that many ticks, then the end; for counting
    // instructions (valgrind --tool=callgrind) and X requests per tick.
    if (const int ticks = std::stoi(bench::Option(argc, argv, "--ticks", "0")); ticks > 0) {
        int left = ticks;
        QObject::connect(timer, &QTimer::timeout, qApp, [&left] {
            if (--left == 0)
                QCoreApplication::exit(0);
        });
        const unsigned requests0 = bench::XRoundTrip();
        QCoreApplication::exec();
        QCoreApplication::processEvents(); // the last tick's repaint
        std::printf("%d ticks, %u X requests\n", ticks, bench::XRoundTrip() - requests0 - 1);
        forms::End();
        return 0;
    }

    // 1. As it is.
    const Pass plain = Run(seconds, *timer, *greeting, xserver);
    std::printf("About window over %.2f s (timer interval %d ms, %s)\n", plain.seconds,
                timer->interval(), timer->timerType() == Qt::PreciseTimer ? "precise" : "coarse");
    std::printf("  greeting ticks      %7.1f per second (nominal %.0f); longest gap %.1f ms, "
                "%lld over 20 ms\n",
                plain.ticksPerSecond, 1000.0 / timer->interval(), plain.longestGapMs,
                plain.lateTicks);
    std::printf("  greeting moved      %7.1f times per second\n", plain.movesPerSecond);
    std::printf("  CPU, this program   %7.2f %% of one core\n", plain.cpuPercent);
    if (xserver)
        std::printf("  CPU, X server       %7.2f %% of one core (clock-tick resolution)\n",
                    plain.xPercent);
    std::printf("  X requests          %7.2f per tick\n",
                plain.ticks ? 1.0 * plain.xRequests / plain.ticks : 0.0);
    std::printf("Target at least %.0f ticks per second: %s (%.1f)\n", kTicksTarget,
                plain.ticksPerSecond >= kTicksTarget ? "MET" : "MISSED", plain.ticksPerSecond);
    std::printf("Target under %.0f %% of one core: %s (%.2f %%)\n", kCpuTarget,
                plain.cpuPercent < kCpuTarget ? "MET" : "MISSED", plain.cpuPercent);

    // 2. Where a tick goes.
    Recorder recorder(aboutWidget, *timer);
    app.installEventFilter(&recorder);
    const Pass timed = Run(2, *timer, *greeting, 0);
    app.removeEventFilter(&recorder);
    const auto perTick = [&](long long ns) { return timed.ticks ? ns / 1e3 / timed.ticks : 0.0; };
    std::printf("  one tick, instrumented over %.1f s: tick handler %.1f us, repaint %.1f us "
                "(%.2f frames per tick)\n",
                timed.seconds, perTick(recorder.tickHandlerNs), perTick(recorder.frameNs),
                timed.ticks ? 1.0 * recorder.frames / timed.ticks : 0.0);
    std::printf("    %-10s %14s %14s %10s\n", "painted", "events/tick", "pixels/tick", "us/tick");
    for (const auto& [name, p] : recorder.painted)
        std::printf("    %-10s %14.2f %14.0f %10.1f\n", name.c_str(),
                    timed.ticks ? 1.0 * p.events / timed.ticks : 0.0,
                    timed.ticks ? 1.0 * p.pixels / timed.ticks : 0.0, perTick(p.ns));
    std::printf("    whole-window repaints: %lld of %lld frames (window %dx%d pixels)\n",
                recorder.wholeWindowPaints, recorder.frames, aboutWidget.width(),
                aboutWidget.height());

    // 3. The greeting drawn from a picture, in one-second slices taken in
    // turn with the window as it is, so that both see the same machine.
    // What any tick costs: in turn with the window as it is, its timer
    // stopped and a timer of the same interval that does nothing, then one
    // that only repaints the greeting where it stands (a repaint and a flush
    // to the server, without a move).
    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    bare.setInterval(timer->interval());
    double asIsCpu = 0, idleCpu = 0, repaintCpu = 0;
    constexpr int kSlices = 3;
    for (int slice = 0; slice < kSlices; ++slice) {
        asIsCpu += Run(1, *timer, *greeting, 0).cpuPercent / kSlices;
        timer->stop();
        bare.start();
        idleCpu += Run(1, bare, *greeting, 0).cpuPercent / kSlices;
        const auto update =
            QObject::connect(&bare, &QTimer::timeout, greeting, [greeting] { greeting->update(); });
        repaintCpu += Run(1, bare, *greeting, 0).cpuPercent / kSlices;
        QObject::disconnect(update);
        bare.stop();
        timer->start();
    }
    std::printf("  what any tick costs (%d x 1 s each, in turn), CPU of this program:\n"
                "    %.2f %% as it is; %.2f %% a timer of the same interval doing nothing; "
                "%.2f %% that timer repainting the greeting in place\n",
                kSlices, asIsCpu, idleCpu, repaintCpu);
    std::fflush(stdout);
    // Ends as the window does when clicked.
    forms::End();
    return 0;
}
