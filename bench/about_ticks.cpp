// SPDX-License-Identifier: MIT
// The About window's greeting: opens the window as closing the game does, lets
// it scroll, and prints the ticks per second, the greeting's moves and the CPU
// time of this program and of the X server (given by process id) over the
// same interval.
//
//   velkaro_bench_about [--seconds 5] [--xserver-pid PID]
//   velkaro_bench_about --ticks N     N ticks alone, for instruction counts
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "BenchSupport.h"
#include "TestAccess.h"
#include "forms/Application.h"

namespace {

constexpr double kTicksTarget = 95;
constexpr double kCpuTarget = 2;

double Option(const QStringList& arguments, const char* name, double fallback) {
    const auto at = arguments.indexOf(QLatin1String(name));
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toDouble() : fallback;
}

// Runs the event loop for a while.
void Spin(int ms) {
    QTimer::singleShot(ms, Qt::PreciseTimer, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    forms::PreparePlatform(); // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QCoreApplication::arguments();
    const double seconds = Option(arguments, "--seconds", 5);
    const auto xserver = static_cast<pid_t>(Option(arguments, "--xserver-pid", 0));
    const int onlyTicks = static_cast<int>(Option(arguments, "--ticks", 0));

    frmAbout& about = OpenAbout();
    Spin(300);
    QWidget& greeting = Control(about, "Label7");
    QTimer& timer = *Widget(about).findChild<QTimer*>();

    long long ticks = 0, moves = 0, late = 0;
    std::int64_t lastTick = 0, longestGap = 0;
    QPoint lastPos = greeting.pos();
    QObject::connect(&timer, &QTimer::timeout, qApp, [&] {
        const std::int64_t now = bench::NowNs();
        if (lastTick) {
            longestGap = std::max(longestGap, now - lastTick);
            late += now - lastTick > 20'000'000 ? 1 : 0;
        }
        lastTick = now;
        moves += greeting.pos() != lastPos ? 1 : 0;
        lastPos = greeting.pos();
        if (++ticks == onlyTicks)
            QCoreApplication::exit(0);
    });
    const std::int64_t cpu0 = bench::CpuNs(0), x0 = xserver ? bench::CpuNs(xserver) : 0;
    const unsigned requests0 = bench::XRoundTrip();
    const std::int64_t t0 = bench::NowNs();
    if (onlyTicks > 0) {
        QCoreApplication::exec();
        QCoreApplication::processEvents(); // the last tick's repaint
    } else {
        Spin(static_cast<int>(seconds * 1000));
    }
    const double wall = (bench::NowNs() - t0) / 1e9;
    // The round trips themselves are two of the requests.
    const unsigned requests = bench::XRoundTrip() - requests0 - 1;
    const double cpu = 100.0 * (bench::CpuNs(0) - cpu0) / 1e9 / wall;
    const double xCpu = xserver ? 100.0 * (bench::CpuNs(xserver) - x0) / 1e9 / wall : 0;
    const double rate = ticks / wall;
    if (onlyTicks > 0) {
        std::printf("%lld ticks, %u X requests\n", ticks, requests);
        forms::End();
        return 0;
    }
    std::printf("About window over %.2f s (timer interval %d ms, %s)\n", wall, timer.interval(),
                timer.timerType() == Qt::PreciseTimer ? "precise" : "coarse");
    std::printf("  greeting ticks      %7.1f per second (nominal %.0f); longest gap %.1f ms, "
                "%lld over 20 ms\n",
                rate, 1000.0 / timer.interval(), longestGap / 1e6, late);
    std::printf("  greeting moved      %7.1f times per second\n", moves / wall);
    std::printf("  CPU, this program   %7.2f %% of one core\n", cpu);
    if (xserver)
        std::printf("  CPU, X server       %7.2f %% of one core (clock-tick resolution)\n", xCpu);
    std::printf("  X requests          %7.2f per tick\n", ticks ? 1.0 * requests / ticks : 0.0);
    std::printf("Target at least %.0f ticks per second: %s (%.1f)\n", kTicksTarget,
                rate >= kTicksTarget ? "MET" : "MISSED", rate);
    std::printf("Target under %.0f %% of one core: %s (%.2f %%)\n", kCpuTarget,
                cpu < kCpuTarget ? "MET" : "MISSED", cpu);
    std::fflush(stdout);
    forms::End(); // as the window does when clicked
    return 0;
}
