// SPDX-License-Identifier: MIT
// Answer handling: plays many whole games in the main window (Start, seven
// answers chosen at random, then Correct or Back) by mouse clicks on the
// buttons, and prints the time per press: the click alone, and the click
// with the repaint it causes, flushed and drawn by the X server.
//
//   velkaro_bench_answers [--games 500]
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "forms/Application.h"
#include "forms/qt/Native.h"
#include "frmMainVelkaro.h"

namespace {

struct Times {
    std::vector<double> clickUs, totalUs;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    return v.empty() ? 0 : sum / v.size();
}

double Percentile99(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, v.size() * 99 / 100)];
}

void Press(QAbstractButton& button, Times& times) {
    const std::int64_t start = bench::NowNs();
    QTest::mouseClick(&button, Qt::LeftButton);
    const std::int64_t clicked = bench::NowNs();
    QCoreApplication::processEvents();
    bench::XRoundTrip();
    const std::int64_t drawn = bench::NowNs();
    times.clickUs.push_back((clicked - start) / 1e3);
    times.totalUs.push_back((drawn - start) / 1e3);
}

} // namespace

int main(int argc, char* argv[]) {
    forms::PreparePlatform(); // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int games = std::stoi(bench::Option(argc, argv, "--games", "500"));

    QWidget* game = &forms::qt::Widget(*new frmMainVelkaro);
    game->show();
    QElapsedTimer waited;
    waited.start();
    while (!(game->windowHandle() && game->windowHandle()->isExposed()) && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();

    const auto button = [game](const char* name) {
        auto* b = game->findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (!b) {
            std::fprintf(stderr, "answers: no button %s\n", name);
            std::exit(1);
        }
        return b;
    };
    QAbstractButton& start = *button("cmdStart");
    QAbstractButton& yes = *button("cmdYes");
    QAbstractButton& no = *button("cmdNo");

    std::mt19937 random(1);
    Times starts, answers, corrects;
    int wrongGames = 0;
    const std::int64_t t0 = bench::NowNs();
    for (int g = 0; g < games; ++g) {
        if (!start.isVisible()) {
            std::fputs("answers: the start screen did not come back\n", stderr);
            return 1;
        }
        Press(start, starts);
        for (int q = 0; q < 7; ++q)
            Press(random() & 1 ? yes : no, answers);
        Press(yes, corrects); // Correct, or Back on the check-yourself screen
        wrongGames += start.isVisible() ? 0 : 1;
    }
    const double wall = (bench::NowNs() - t0) / 1e9;
    if (wrongGames) {
        std::fprintf(stderr, "answers: %d games did not end on the start screen\n", wrongGames);
        return 1;
    }

    const int presses = games * 9;
    std::printf("Answer handling: %d games, %d presses (mouse clicks) in %.2f s, on %s\n", games,
                presses, wall, qPrintable(QGuiApplication::platformName()));
    std::printf("  %-14s %8s %26s %26s\n", "us per press", "presses", "click: median mean p99",
                "click+repaint: med mean p99");
    const auto row = [](const char* name, const Times& t) {
        std::printf("  %-14s %8zu %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f\n", name, t.clickUs.size(),
                    Median(t.clickUs), Mean(t.clickUs), Percentile99(t.clickUs), Median(t.totalUs),
                    Mean(t.totalUs), Percentile99(t.totalUs));
    };
    row("Yes/No", answers);
    row("Start", starts);
    row("Correct/Back", corrects);
    std::printf("  all presses: %.1f us each on average, wall clock\n", wall * 1e6 / presses);
    return 0;
}
