// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/Random.h"

#include <deque>
#include <stdexcept>
#include <vector>

/// A random source that hands out the numbers a test gives it, in order, and counts seedings.
class ScriptedRandom final : public host::RandomSource
{
public:
    void seedFromClock() override { ++seedings; }
    float next() override
    {
        if (numbers.empty())
            throw std::logic_error("the script has no more random numbers");
        const float r = numbers.front();
        numbers.pop_front();
        ++draws;
        return r;
    }

    /// Queues the numbers that draw the given symbols from a palette of @p symbols.
    void deal(const std::vector<int> &code, int symbols)
    {
        for (const int symbol : code)
            numbers.push_back((static_cast<float>(symbol) - 0.5f) / static_cast<float>(symbols));
    }

    std::deque<float> numbers;
    int seedings = 0;
    int draws = 0;
};
