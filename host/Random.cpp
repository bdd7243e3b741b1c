// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Random.h"

#include <chrono>

namespace host {

void ClockRandom::seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed {static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    m_engine.seed(seed);
}

float ClockRandom::next()
{
    return toUnit(static_cast<std::uint32_t>(m_engine()));
}

float ClockRandom::toUnit(std::uint32_t draw)
{
    // A float holds 24 significant bits, so every fraction k / 2^24 is exact and the largest,
    // 1 - 2^-24, stays below 1. Scaling all 32 bits would round the top draws up to 1.0.
    return static_cast<float>(draw >> 8) * 0x1p-24f;
}

} // namespace host
