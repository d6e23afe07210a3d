// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Idle cost of a running program: CPU time and wake-ups over a window of
// wall time, read from /proc for the process and all its threads. run.sh
// puts the bar in each idle state and calls this on it.
//
//   bench_idle [--seconds N] [--target] <label> <pid>
//
// Prints one row: CPU per 10 s from utime + stime (clock-tick resolution) and
// from schedstat (nanoseconds), and wake-ups per second (voluntary and
// involuntary context switches of every thread). With --target the row also
// says whether it is within the bar's idle targets.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

constexpr double kTargetWakeupsPerSecond = 3.0;
constexpr double kTargetCpuMsPer10s = 10.0;

struct Sample {
    double statMs = 0;       // utime + stime
    double schedNs = 0;      // time on a CPU, all threads
    long long switches = 0;  // context switches, all threads
    bool ok = false;
};

// Fields 14 and 15 of /proc/<pid>/stat, after the command name in parentheses.
bool ReadStat(const std::string& dir, double& ms)
{
    std::ifstream in(dir + "/stat");
    std::string line;
    if (!std::getline(in, line)) return false;
    const auto close = line.rfind(')');
    if (close == std::string::npos) return false;
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    // rest starts at field 3 (state); utime is field 14.
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) utime = std::strtoull(field.c_str(), nullptr, 10);
        if (i == 15) stime = std::strtoull(field.c_str(), nullptr, 10);
    }
    ms = static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    return true;
}

Sample Take(pid_t pid)
{
    Sample s;
    const std::string dir = "/proc/" + std::to_string(pid);
    if (!ReadStat(dir, s.statMs)) return s;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator(dir + "/task", ec)) {
        std::ifstream sched(task.path() / "schedstat");
        double ns = 0;
        if (sched >> ns) s.schedNs += ns;
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                s.switches += std::atoll(line.c_str() + line.find(':') + 1);
        }
    }
    s.ok = !ec;
    return s;
}

int Usage(const char* argv0)
{
    std::fprintf(stderr, "usage: %s [--seconds N] [--target] <label> <pid>\n", argv0);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    double seconds = 10;
    bool target = false;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
            if (seconds <= 0) return Usage(argv[0]);
        } else if (arg == "--target") {
            target = true;
        } else {
            break;
        }
    }
    if (argc - i != 2) return Usage(argv[0]);
    const std::string label = argv[i];
    const pid_t pid = static_cast<pid_t>(std::atol(argv[i + 1]));

    const Sample before = Take(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const Sample after = Take(pid);
    if (!before.ok || !after.ok) {
        std::fprintf(stderr, "bench_idle: cannot read /proc/%d (process gone?)\n", static_cast<int>(pid));
        return 1;
    }

    const double per10s = 10.0 / seconds;
    const double statMs = (after.statMs - before.statMs) * per10s;
    const double schedMs = (after.schedNs - before.schedNs) / 1e6 * per10s;
    const double wakeups = static_cast<double>(after.switches - before.switches) / seconds;
    std::printf("%-42s %9.0f ms %9.2f ms %9.1f /s", label.c_str(), statMs, schedMs, wakeups);
    if (target) {
        const bool ok = wakeups <= kTargetWakeupsPerSecond && schedMs <= kTargetCpuMsPer10s;
        std::printf("   %s", ok ? "ok" : "ABOVE");
    }
    std::printf("\n");
    return 0;
}
