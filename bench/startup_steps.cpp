// SPDX-License-Identifier: MIT
// Where the game's start-up goes: does, one after the other, the work that
// making and showing the main window does, each step paying for what it is
// the first to need, and prints the time and resident memory each step adds.
// Starts itself RUNS times (each start pays for everything once) and
// prints the medians.
//
//   velkaro_bench_startup_steps [--runs 7]
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchSupport.h"
#include "Texts.h"
#include "forms/Application.h"
#include "forms/qt/Native.h"
#include "forms/qt/Picture.h"
#include "forms/qt/Utf8.h"
#include "forms/qt/Widgets.h"
#include "frmMainVelkaro.h"

namespace {

struct Step {
    const char* name;
    double ms;
    long rssKb;
};

std::vector<Step> steps;
std::int64_t last = 0;
long lastRss = 0;

void Mark(const char* name) {
    const std::int64_t now = bench::NowNs();
    const long rss = bench::StatusKb(0, "VmRSS");
    steps.push_back({name, (now - last) / 1e6, rss - lastRss});
    last = now;
    lastRss = rss;
}

// The pictures the main window loads, by resource path.
const char* const kPictures[] = {"icon32", "icon16", "yes", "no", "start", "wrong32"};

int Once(int argc, char* argv[]) {
    last = bench::NowNs();
    lastRss = bench::StatusKb(0, "VmRSS");
    forms::PreparePlatform(); // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Mark("QApplication (display connection, platform plugin)");

    QFontDatabase::hasFamily(QStringLiteral("Traditional Arabic"));
    Mark("font database: fontconfig set-up and font list");

    const QFont arabic =
        forms::qt::RenderFont({"Traditional Arabic", 15.75f, forms::FontWeight::Bold});
    QFontMetricsF(arabic).horizontalAdvance(forms::qt::FromUtf8(texts::kInstruction));
    Mark("the Arabic face opened, one line shaped");

    for (const char* name : kPictures)
        forms::qt::Picture(name);
    Mark("pictures decoded (format from the first bytes, no image plugin)");

    QWidget* game = &forms::qt::Widget(*new frmMainVelkaro);
    Mark("frmMainVelkaro made (the rest of its work)");

    game->show();
    while (!(game->windowHandle() && game->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    bench::XRoundTrip();
    Mark("shown: first frame painted and drawn");

    for (const Step& step : steps)
        std::printf("%.3f %ld %s\n", step.ms, step.rssKb, step.name);
    return 0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0)
        return Once(argc, argv);
    const int runs = std::max(1, std::stoi(bench::Option(argc, argv, "--runs", "7")));
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return 1;
    const std::string command = std::string("'") + self + "' --once";

    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> ms, kb;
    for (int run = 0; run < runs; ++run) {
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return 1;
        char line[512];
        while (std::fgets(line, sizeof line, pipe)) {
            double time = 0;
            long rss = 0;
            int used = 0;
            if (std::sscanf(line, "%lf %ld %n", &time, &rss, &used) < 2)
                continue;
            std::string name(line + used);
            name.erase(name.find_last_not_of('\n') + 1);
            if (!ms.count(name))
                order.push_back(name);
            ms[name].push_back(time);
            kb[name].push_back(static_cast<double>(rss));
        }
        if (pclose(pipe) != 0) {
            std::fputs("startup steps: a run failed\n", stderr);
            return 1;
        }
    }
    std::printf("Where the game's start-up goes, in order, each step paying for what it is the "
                "first to need (median of %d starts)\n",
                runs);
    std::printf("  %9s %11s  %s\n", "ms", "VmRSS kB", "step");
    double totalMs = 0, totalKb = 0;
    for (const std::string& name : order) {
        const double t = Median(ms[name]), m = Median(kb[name]);
        std::printf("  %9.1f %+11.0f  %s\n", t, m, name.c_str());
        if (name != order.front()) {
            totalMs += t;
            totalKb += m;
        }
    }
    std::printf("  %9.1f %+11.0f  after QApplication, in all\n", totalMs, totalKb);
    return 0;
}
