// SPDX-License-Identifier: MIT
// Start-up and memory: runs each program many times, alternating, with the
// first-frame probe preloaded, and prints the medians side by side.
//
//   velkaro_bench_startup PROBE.so RUNS NAME=PROGRAM NAME=PROGRAM [NAME=PROGRAM...]
//
// The first program is compared with each of the others; the targets are
// checked against the last, and the ratio to each of the others is shown
// beside it.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kTimeoutMs = 20000;
// The game against the last program (a window that shows Arabic text).
constexpr double kStartTarget = 1.05;
constexpr double kMemoryTarget = 1.03;
constexpr int kPaintTarget = 2;

std::int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

using Sample = std::map<std::string, double>;

// One start of the program, up to the probe's line.
Sample RunOnce(const std::string& program, const std::string& probe) {
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    // Everything but the time is made before the fork.
    std::vector<std::string> env;
    std::string preload = "LD_PRELOAD=" + probe;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) == 0)
            preload += std::string(":") + (*e + 11);
        else if (std::strncmp(*e, "VELKARO_BENCH_T0_NS=", 20) != 0)
            env.emplace_back(*e);
    }
    env.push_back(preload);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    char t0[64] = "VELKARO_BENCH_T0_NS=";
    envp.push_back(t0);
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDERR_FILENO);
        const std::int64_t now = NowNs();
        std::snprintf(t0 + 20, sizeof t0 - 20, "%lld", static_cast<long long>(now));
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    const std::int64_t deadline = NowNs() + std::int64_t{kTimeoutMs} * 1'000'000;
    for (;;) {
        pollfd fd{out[0], POLLIN, 0};
        const int left = static_cast<int>((deadline - NowNs()) / 1'000'000);
        if (left <= 0 || poll(&fd, 1, left) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);

    Sample sample;
    const auto at = text.find("velkaro-bench-frame");
    if (at == std::string::npos) {
        std::fprintf(stderr, "startup: %s showed no frame (status %d)\n", program.c_str(), status);
        std::exit(1);
    }
    std::istringstream fields(text.substr(at));
    for (std::string field; fields >> field;) {
        const auto eq = field.find('=');
        if (eq != std::string::npos)
            sample[field.substr(0, eq)] = std::atof(field.c_str() + eq + 1);
        if (field.rfind("window=", 0) == 0) {
            sample["window_w"] = std::atof(field.c_str() + 7);
            sample["window_h"] = std::atof(field.c_str() + field.find('x') + 1);
        }
    }
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::string name, program;
    std::vector<Sample> samples;
    std::vector<double> Values(const std::string& key) const {
        std::vector<double> v;
        for (const Sample& s : samples)
            v.push_back(s.at(key));
        return v;
    }
    double Med(const std::string& key) const { return Median(Values(key)); }
    double Min(const std::string& key) const {
        const auto v = Values(key);
        return *std::min_element(v.begin(), v.end());
    }
    double Max(const std::string& key) const {
        const auto v = Values(key);
        return *std::max_element(v.begin(), v.end());
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: %s PROBE.so RUNS NAME=PROGRAM NAME=PROGRAM [NAME=PROGRAM...]\n",
                     argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const int runs = std::max(1, std::atoi(argv[2]));
    std::vector<Series> series;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        series.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}});
    }

    // One start of each that is not counted: it fills the page cache and the
    // font caches.
    for (Series& s : series)
        RunOnce(s.program, probe);
    for (int run = 0; run < runs; ++run)
        for (Series& s : series)
            s.samples.push_back(RunOnce(s.program, probe));

    const Series& game = series[0];
    const Series& yardstick = series.back();
    std::printf("Start-up to the first frame, %d runs each, alternating, after one uncounted run\n",
                runs);
    std::printf("  method: LD_PRELOAD probe in the unchanged programs; time from just before exec\n"
                "  to the end of the window's first Expose (painted, flushed, X round trip)\n");
    std::printf("  %-26s", "median");
    for (const Series& s : series)
        std::printf(" %12s", s.name.c_str());
    for (std::size_t i = 1; i < series.size(); ++i)
        std::printf(" %11s", (game.name + "/" + series[i].name).c_str());
    std::printf("\n");
    const auto row = [&](const char* label, const std::string& key, const char* format) {
        std::printf("  %-26s", label);
        for (const Series& s : series) {
            char cell[32];
            std::snprintf(cell, sizeof cell, format, s.Med(key));
            std::printf(" %12s", cell);
        }
        for (std::size_t i = 1; i < series.size(); ++i) {
            const double ref = series[i].Med(key);
            std::printf(" %10.2fx", ref > 0 ? game.Med(key) / ref : 0.0);
        }
        std::printf("\n");
    };
    // "1.02x of bare+text; 1.19x of bare"
    const auto ratios = [&](const std::string& key) {
        std::string text;
        for (std::size_t i = series.size() - 1; i >= 1; --i) {
            const double ref = series[i].Med(key);
            char part[96];
            std::snprintf(part, sizeof part, "%s%.2fx of %s", text.empty() ? "" : "; ",
                          ref > 0 ? game.Med(key) / ref : 0.0, series[i].name.c_str());
            text += part;
        }
        return text;
    };
    const auto met = [](bool ok) { return ok ? "MET" : "MISSED"; };
    row("first frame", "first_frame_ms", "%.1f ms");
    std::printf("  %-26s", "  min-max");
    for (const Series& s : series) {
        char cell[32];
        std::snprintf(cell, sizeof cell, "%.0f-%.0f", s.Min("first_frame_ms"),
                      s.Max("first_frame_ms"));
        std::printf(" %12s", cell);
    }
    std::printf("\n");
    row("  libraries loaded", "loaded_ms", "%.1f ms");
    row("  QApplication being made", "qapplication_ms", "%.1f ms");
    row("  first Expose arrives", "first_expose_ms", "%.1f ms");
    row("  first paint event", "first_paint_ms", "%.1f ms");
    row("  paint events in frame", "paint_events", "%.0f");
    row("    of the window itself", "window_paint_events", "%.0f");
    row("  X requests sent", "x_requests", "%.0f");
    std::printf("Peak resident memory at the first frame, median\n");
    row("VmHWM", "vmhwm_kb", "%.0f kB");
    std::printf("  window sizes:");
    for (const Series& s : series)
        std::printf(" %s %gx%g", s.name.c_str(), s.Med("window_w"), s.Med("window_h"));
    std::printf(" pixels\n");
    const auto ratio = [&](const std::string& key) {
        const double ref = yardstick.Med(key);
        return ref > 0 ? game.Med(key) / ref : 0.0;
    };
    std::printf("Target start-up within %.2fx of %s: %s (%s)\n", kStartTarget,
                yardstick.name.c_str(), met(ratio("first_frame_ms") <= kStartTarget),
                ratios("first_frame_ms").c_str());
    std::printf("Target at most %d paint events before the first frame: %s (%.0f; %s %.0f)\n",
                kPaintTarget, met(game.Med("paint_events") <= kPaintTarget),
                game.Med("paint_events"), yardstick.name.c_str(), yardstick.Med("paint_events"));
    std::printf("Target memory within %.2fx of %s: %s (%s)\n", kMemoryTarget,
                yardstick.name.c_str(), met(ratio("vmhwm_kb") <= kMemoryTarget),
                ratios("vmhwm_kb").c_str());
    return 0;
}
