// SPDX-License-Identifier: GPL-3.0-or-later
// Every number the random source can return lies in [0, 1), so a code cell that a new game draws
// from it lies in 1 to N, even at the generator's extreme draws.
#include "FormHarness.h"
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

    // The source's least and greatest numbers, dealt through "Nova igra" into every palette size.
    void extremesDrawTheFirstAndLastSymbol()
    {
        const float least = host::ClockRandom::toUnit(0);
        const float greatest = host::ClockRandom::toUnit(std::numeric_limits<std::uint32_t>::max());
        FormHarness h;
        for (int symbols = 4; symbols <= 8; ++symbols) {
            while (h.symbols() != symbols) {
                h.random->deal({1, 1, 1, 1}, h.symbols());
                if (h.symbols() < symbols)
                    h.form->Command4_Click();
                else
                    h.form->Command3_Click();
            }
            h.random->numbers = {least, greatest, greatest, least};
            h.form->Command1_Click();
            const QString last = QString::number(symbols);
            QCOMPARE(h.form->Label4->caption(), QString("1 %1 %1 1 ").arg(last));
            QCOMPARE(h.form->SecretCode[2], double(symbols));
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

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
