// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers that every benchmark shares: a clock reading, order statistics of samples and
// the process's own memory figures.

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

/// The steady clock in nanoseconds. On Linux it is CLOCK_MONOTONIC, which a parent and its child
/// read alike; a Windows program under wine reads a clock of its own.
inline std::int64_t monotonicNs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

/// The @p q quantile (0 to 1) of @p samples, interpolated between the nearest two.
inline double quantile(std::vector<double> samples, double q)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const double at = q * static_cast<double>(samples.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const auto above = std::min(below + 1, samples.size() - 1);
    return samples[below] + (samples[above] - samples[below]) * (at - std::floor(at));
}

inline double median(const std::vector<double> &samples)
{
    return quantile(samples, 0.5);
}

/// A figure of /proc/self/status given in kB, such as "VmRSS" or "VmHWM"; -1 when missing. On
/// Windows the same figures come from the process's memory counters: the working set is the
/// resident memory and "RssAnon" the memory the process holds privately; "RssFile" is missing.
inline long statusKib(const std::string &field)
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS_EX counters {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(),
            reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&counters), sizeof counters))
        return -1;
    if (field == "VmHWM")
        return static_cast<long>(counters.PeakWorkingSetSize / 1024);
    if (field == "VmRSS")
        return static_cast<long>(counters.WorkingSetSize / 1024);
    if (field == "RssAnon")
        return static_cast<long>(counters.PrivateUsage / 1024);
    return -1;
#else
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size() + 1, field + ':') == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
#endif
}

inline double toMib(double kib)
{
    return kib / 1024.0;
}

} // namespace bench
