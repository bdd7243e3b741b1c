// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow buttons step the symbol count within 4 to 8 and the place count within 4 to 6,
// each step dealing its new games; "?" is locked until the ninth scored row.
#include "FormHarness.h"

#include <QTest>

using Indices = std::vector<qint16>;

class TestSettings : public QObject
{
    Q_OBJECT

private:
    // Everything a refused step must leave as it was.
    static QString snapshot(const FormHarness &h)
    {
        QString text = h.counters() + u'|' + h.form->Label4->caption() + u'|'
            + h.form->Text1->text() + h.form->Text2->text() + u'|';
        for (const qint16 index : h.form->Znak.indices())
            text += QString::number(index) + u' ';
        return text;
    }

private Q_SLOTS:
    void symbolCountStops()
    {
        FormHarness h({1, 2, 3, 4});
        for (int i = 0; i < 2; ++i) {
            h.random->deal({1, 1, 1, 1}, 5 - i);
            h.form->Command3_Click();
        }
        QCOMPARE(h.form->Text1->text(), QString("4"));
        h.click({4, 3});
        const QString lowest = snapshot(h);
        h.form->Command3_Click();
        QCOMPARE(snapshot(h), lowest);
        QCOMPARE(h.random->draws, 12);
        // The lowest palette: spade, diamond, heart and club.
        QCOMPARE(h.form->Znak.indices(), (Indices {0, 1, 2, 3, 4, 11, 12}));

        for (int n = 5; n <= 8; ++n) {
            h.random->deal({n, n, n, n}, n);
            h.form->Command4_Click();
            QCOMPARE(h.form->Label4->caption(), QString("%1 %1 %1 %1 ").arg(n));
        }
        QVERIFY(h.board().empty());
        h.click({8});
        const QString highest = snapshot(h);
        h.form->Command4_Click();
        QCOMPARE(snapshot(h), highest);
        for (qint16 i = 1; i <= 8; ++i) {
            QCOMPARE(h.form->Znak[i].twipsLeft(), float((i - 1) * 600 + 120));
            QCOMPARE(h.form->Znak[i].twipsTop(), 800.0f);
            QVERIFY(h.shows(i, i - 1));
        }
    }

    void symbolStepChangesOnePaletteElement()
    {
        FormHarness h;
        h.random->deal({7, 7, 7, 7}, 7);
        h.form->Command4_Click();
        QCOMPARE(h.form->Text1->text(), QString("7"));
        QCOMPARE(h.form->Znak[7].twipsLeft(), 3720.0f);
        QVERIFY(h.shows(7, 6));
        QVERIFY(h.form->Znak[7].isVisibleTo(h.form.get()));
        QCOMPARE(h.form->SecretCode[1], 7.0);

        h.random->deal({5, 5, 5, 5}, 6);
        h.form->Command3_Click();
        h.random->deal({5, 5, 5, 5}, 5);
        h.form->Command3_Click();
        QCOMPARE(h.form->Text1->text(), QString("5"));
        QVERIFY(!h.form->Znak.contains(6) && !h.form->Znak.contains(7));

        h.random->deal({6, 6, 6, 6}, 6);
        h.form->Command4_Click();
        QCOMPARE(h.form->Znak[6].twipsLeft(), 3120.0f);
        QVERIFY(h.shows(6, 5));
    }

    void placeCountStops_data()
    {
        QTest::addColumn<bool>("lower");
        QTest::newRow("fewer at four") << true;
        QTest::newRow("more at six") << false;
    }
    void placeCountStops()
    {
        QFETCH(bool, lower);
        FormHarness h;
        if (!lower) {
            h.random->deal({1, 1, 1, 1, 1, 1, 1, 1, 1}, 6);
            h.form->Command6_Click();
            h.random->deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 6);
            h.form->Command6_Click();
        }
        const QString places = h.form->Text2->text();
        h.click({2, 2, 2, 2, 2, 2});
        const int draws = h.random->draws;
        h.random->deal({3, 3, 3, 3, 3, 3}, 6);
        lower ? h.form->Command5_Click() : h.form->Command6_Click();
        // One new game, and the count stays.
        QCOMPARE(h.form->Text2->text(), places);
        QCOMPARE(h.random->draws - draws, places.toInt());
        QVERIFY(h.board().empty());
        QCOMPARE(h.counters(), QString("1 1 301"));
    }

    void placeStepDealsTwoGames()
    {
        FormHarness h;
        h.random->deal({1, 1, 1, 1}, 6);
        h.random->deal({1, 2, 3, 4, 5}, 6);
        h.form->Command6_Click();
        QCOMPARE(h.form->Text2->text(), QString("5"));
        // Three scored five-place rows, each with markers, and a half-filled row.
        h.click({1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 6, 6, 6, 6, 1, 2, 2});
        QCOMPARE(h.counters(), QString("4 3 312"));

        h.random->deal({6, 6, 6, 6, 6}, 6);
        h.random->deal({2, 4, 6, 1}, 6);
        h.form->Command5_Click();
        QCOMPARE(h.form->Text2->text(), QString("4"));
        QVERIFY(h.board().empty());
        QCOMPARE(h.counters(), QString("1 1 301"));
        QCOMPARE(h.form->Label4->caption(), QString("2 4 6 1 "));
        QVERIFY(h.random->numbers.empty());
        // The fifth cell keeps the first game's value; nothing reads it.
        QCOMPARE(h.form->SecretCode[5], 6.0);

        // Six places make a twelve-character solution.
        h.random->deal({1, 1, 1, 1}, 6);
        h.random->deal({1, 1, 1, 1, 1}, 6);
        h.form->Command6_Click();
        h.random->deal({1, 1, 1, 1, 1}, 6);
        h.random->deal({6, 5, 4, 3, 2, 1}, 6);
        h.form->Command6_Click();
        QCOMPARE(h.form->Label4->caption().size(), 12);
    }

    void revealStates()
    {
        FormHarness h;
        for (int row = 1; row <= 8; ++row)
            h.click({5, 6, 5, 6});
        QVERIFY(!h.form->Command2->isEnabled());
        h.click({5, 6, 5, 6});
        QVERIFY(h.form->Command2->isEnabled());
        QVERIFY(h.form->Label4->isHidden());
        for (const bool shown : {true, false, true}) {
            h.form->Command2_Click();
            QCOMPARE(h.form->Label4->isHidden(), !shown);
        }
        h.click({5, 6, 5, 6, 5, 6, 5, 6});
        QVERIFY(h.form->Command2->isEnabled());
        QCOMPARE(h.form->Label1->caption(), QString("12"));
        QCOMPARE(h.form->Label4->caption(), QString("1 2 3 4 "));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
