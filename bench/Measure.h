// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers that every benchmark shares: a clock reading, order statistics of samples and
// the process's own memory figures.

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

/// CLOCK_MONOTONIC in nanoseconds: the one clock a parent and its child read alike.
inline std::int64_t monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
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

/// A figure of /proc/self/status given in kB, such as "VmRSS" or "VmHWM"; -1 when missing.
inline long statusKib(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size() + 1, field + ':') == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

inline double toMib(double kib)
{
    return kib / 1024.0;
}

} // namespace bench
