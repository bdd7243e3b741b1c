// SPDX-License-Identifier: GPL-3.0-or-later
// Every number the random source can return lies in [0, 1), so a code cell drawn from it lies
// in 1 to N, even at the generator's extreme draws.
#include "host/Random.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extremeDraws()
    {
        const std::uint32_t top = std::numeric_limits<std::uint32_t>::max();
        QCOMPARE(host::ClockRandom::toUnit(0), 0.0f);
        QVERIFY(host::ClockRandom::toUnit(top) < 1.0f);
        QCOMPARE(host::ClockRandom::toUnit(top), 1.0f - 0x1p-24f);
        // The draws just below the top must not round up either.
        for (std::uint32_t draw = top - 1024; draw != 0; ++draw)
            QVERIFY(host::ClockRandom::toUnit(draw) < 1.0f);
    }

    void cellsStayInRange()
    {
        const float largest = host::ClockRandom::toUnit(std::numeric_limits<std::uint32_t>::max());
        for (int symbols = 4; symbols <= 8; ++symbols) {
            QCOMPARE(std::floor(symbols * static_cast<double>(largest) + 1), double(symbols));
            QCOMPARE(std::floor(symbols * 0.0 + 1), 1.0);
        }
    }

    void uniformAfterSeeding()
    {
        host::ClockRandom random;
        random.seedFromClock();
        int counts[8] = {};
        const int draws = 80000;
        for (int i = 0; i < draws; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++counts[static_cast<int>(r * 8)];
        }
        for (const int count : counts)
            QVERIFY2(
                std::abs(count - draws / 8) < 500, "a symbol is drawn far too often or rarely");
    }
};

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
