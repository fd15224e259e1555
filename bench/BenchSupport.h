// SPDX-License-Identifier: MIT
// Small helpers shared by the benchmark programs: the clock, the X server
// round trip, and what /proc tells about a process.
#pragma once

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds.
inline std::int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

// Waits until the X server has handled every request sent so far (a
// GetInputFocus round trip on Qt's own connection) and returns how many
// requests the program has sent, this one included; 0 on a platform other
// than xcb.
inline unsigned XRoundTrip() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return 0;
    const xcb_get_input_focus_cookie_t cookie = xcb_get_input_focus(x11->connection());
    std::free(xcb_get_input_focus_reply(x11->connection(), cookie, nullptr));
    return cookie.sequence;
}

// A "Vm..." line of /proc/self/status in kB, -1 if absent.
inline long StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

// User plus system CPU time in nanoseconds: of this process (pid 0) to the
// microsecond, of another at clock-tick resolution.
inline std::int64_t CpuNs(pid_t pid) {
    if (pid == 0) {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000'000LL +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1000LL;
    }
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields are counted after the command name's ')': utime is the 14th, stime the 15th.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number)
        ticks += number >= 14 ? std::atoll(field.c_str()) : 0;
    return ticks * (1'000'000'000LL / sysconf(_SC_CLK_TCK));
}

} // namespace bench
