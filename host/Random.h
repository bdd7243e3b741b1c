// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace host {

/// The source of random numbers the game draws its codes from.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    /// Starts the sequence afresh from a reading of the clock.
    virtual void seedFromClock() = 0;
    /// The next number, uniform in single precision, 0 <= r < 1.
    virtual float next() = 0;
};

/// A Mersenne Twister seeded from the clock.
class ClockRandom final : public RandomSource
{
public:
    void seedFromClock() override;
    float next() override;

    /// The number that one 32-bit draw of the generator gives: its top 24 bits as a fraction.
    static float toUnit(std::uint32_t draw);

private:
    std::mt19937 m_engine;
};

} // namespace host
