// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Accessibility.h"
#include "app/Form1.h"
#include "host/Random.h"

#include <QCoreApplication>

#include <memory>
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

/// Lets the window repaint and deferred deletions run.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

/// The window, shown, dealing fixed codes of six places.
inline std::unique_ptr<Form1> sixPlaceWindow()
{
    auto form = std::make_unique<Form1>(std::make_unique<FixedRandom>());
    accessibility::attach(*form);
    form->show();
    settle();
    form->Command6_Click();
    form->Command6_Click();
    return form;
}

} // namespace bench
