// SPDX-License-Identifier: MIT
#include "BenchSupport.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace bench {

std::int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

unsigned XRoundTrip() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return 0;
    xcb_connection_t* connection = x11->connection();
    // Requests are numbered from 1 on each connection (the number wraps at
    // 2^32, far beyond what these programs send).
    const xcb_get_input_focus_cookie_t cookie = xcb_get_input_focus(connection);
    std::free(xcb_get_input_focus_reply(connection, cookie, nullptr));
    return cookie.sequence;
}

namespace {

std::string ProcPath(pid_t pid, const char* file) {
    return pid == 0 ? std::string("/proc/self/") + file
                    : "/proc/" + std::to_string(pid) + "/" + file;
}

} // namespace

long StatusKb(pid_t pid, const char* field) {
    std::ifstream status(ProcPath(pid, "status"));
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

std::int64_t ProcessCpuNs(pid_t pid) {
    std::ifstream stat(ProcPath(pid, "stat"));
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields are counted after its ')'.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    // Field 3 (state) is the first after the name; utime is 14, stime 15.
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14)
            utime = std::atoll(field.c_str());
        if (number == 15)
            stime = std::atoll(field.c_str());
    }
    const long ticks = sysconf(_SC_CLK_TCK);
    return (utime + stime) * (1'000'000'000LL / ticks);
}

std::int64_t SelfCpuNs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval& tv) {
        return std::int64_t{tv.tv_sec} * 1'000'000'000 + std::int64_t{tv.tv_usec} * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

std::string Option(int argc, char** argv, const char* name, const std::string& fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return fallback;
}

} // namespace bench
