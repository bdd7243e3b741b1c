// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/Random.h"

#include <random>

namespace bench {

/// The game's generator with a fixed seed in place of the clock: every run deals the same codes.
class FixedRandom final : public host::RandomSource
{
public:
    void seedFromClock() override { m_engine.seed(20'240'601u); }
    float next() override
    {
        return host::ClockRandom::toUnit(static_cast<std::uint32_t>(m_engine()));
    }

private:
    std::mt19937 m_engine;
};

} // namespace bench
