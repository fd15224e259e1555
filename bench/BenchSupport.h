// SPDX-License-Identifier: MIT
// Small helpers shared by the benchmark programs: clocks, the X server round
// trip, and what /proc tells about a process.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds; the same clock in every process.
std::int64_t NowNs();

// Waits until the X server has handled every request sent so far (a
// GetInputFocus round trip on Qt's own connection). Does nothing on a
// platform other than xcb. Returns how many requests the program has sent
// to the server, this one included (0 on another platform).
unsigned XRoundTrip();

// A "Vm..." line of /proc/<pid>/status in kB (pid 0: this process), -1 if absent.
long StatusKb(pid_t pid, const char* field);

// User plus system CPU time of a process from /proc/<pid>/stat, in
// nanoseconds (clock-tick resolution); -1 when it cannot be read.
std::int64_t ProcessCpuNs(pid_t pid);

// User plus system CPU time of this process (getrusage, microsecond resolution).
std::int64_t SelfCpuNs();

// The value of "--name value" among the arguments, or fallback.
std::string Option(int argc, char** argv, const char* name, const std::string& fallback);

} // namespace bench
