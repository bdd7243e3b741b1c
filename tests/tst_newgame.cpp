// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and new games: the palette, one random number per code cell in place order, the
// solution text, and a board cleared in the order the counters describe it.
#include "FormHarness.h"

#include <QSignalSpy>
#include <QTest>

using Indices = std::vector<qint16>;

class TestNewGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUp()
    {
        FormHarness h({3, 1, 6, 6});
        Form1 &form = *h.form;
        QCOMPARE(h.random->seedings, 1);
        QCOMPARE(h.random->draws, 4);
        QCOMPARE(form.Znak.indices(), (Indices {0, 1, 2, 3, 4, 5, 6}));
        QVERIFY(form.Znak[0].isHidden());
        for (qint16 i = 1; i <= 6; ++i) {
            QCOMPARE(form.Znak[i].twipsTop(), 800.0f);
            QCOMPARE(form.Znak[i].twipsLeft(), float((i - 1) * 600 + 120));
            QVERIFY(h.shows(i, i - 1));
            QVERIFY(form.Znak[i].isVisibleTo(&form));
        }
        QCOMPARE(form.Label4->caption(), QString("3 1 6 6 "));
        QVERIFY(form.Label4->isHidden());
        QVERIFY(!form.Command2->isEnabled());
        QCOMPARE(h.counters(), QString("1 1 301"));
    }

    void drawOneNumberPerCell()
    {
        FormHarness h;
        // The extremes of the source give the first and the last symbol.
        h.random->numbers = {0.0f, 0.99999994f, 0.5f, 0.25f};
        h.form->Command1_Click();
        QCOMPARE(h.form->Label4->caption(), QString("1 6 4 2 "));
        QCOMPARE(h.form->SecretCode[2], 6.0);
        QCOMPARE(h.random->draws, 8);

        // Playing draws nothing; the next game starts its text afresh.
        h.click({1, 2, 3, 4, 5});
        QCOMPARE(h.random->draws, 8);
        h.newGame({5, 5, 5, 5});
        QCOMPARE(h.form->Label4->caption(), QString("5 5 5 5 "));
        QCOMPARE(h.random->draws, 12);
    }

    void removalFollowsTheCounters()
    {
        FormHarness h({1, 2, 3, 4});
        // One hit, nothing, four nears, then two places of row 4.
        h.click({1, 1, 1, 1, 5, 5, 5, 5, 2, 1, 4, 3, 6, 6});
        QCOMPARE(h.counters(), QString("4 3 306"));
        const std::vector<int> guessBefore {2, 1, 4, 3};
        QSignalSpy removed(&h.form->Znak, &host::ImageArray::removed);
        h.newGame({2, 2, 2, 2});
        Indices order;
        for (const QList<QVariant> &signal : removed)
            order.push_back(signal.at(0).value<qint16>());
        QCOMPARE(order,
            (Indices {
                11, 12, 13, 14, 21, 22, 23, 24, 31, 32, 33, 34, 41, 42, 301, 302, 303, 304, 305}));
        QCOMPARE(h.counters(), QString("1 1 301"));
        QCOMPARE(h.form->Znak.indices(), (Indices {0, 1, 2, 3, 4, 5, 6}));
        // A new game in the middle of a row leaves the guess cells alone.
        QCOMPARE(h.form->GuessCode[1], 6.0);
        QCOMPARE(h.form->GuessCode[2], 6.0);
    }

    void twoNewGamesInARow()
    {
        FormHarness h;
        QSignalSpy removed(&h.form->Znak, &host::ImageArray::removed);
        h.newGame({2, 2, 2, 2});
        h.newGame({6, 5, 4, 3});
        QCOMPARE(removed.count(), 0);
        QCOMPARE(h.form->Label4->caption(), QString("6 5 4 3 "));
    }

    void newGameLocksTheSolution()
    {
        FormHarness h;
        for (int row = 1; row <= 9; ++row)
            h.click({6, 6, 6, 6});
        h.form->Command2_Click();
        QVERIFY(!h.form->Label4->isHidden());
        h.newGame({1, 1, 1, 1});
        QVERIFY(h.form->Label4->isHidden());
        QVERIFY(!h.form->Command2->isEnabled());
    }
};

QTEST_MAIN(TestNewGame)
#include "tst_newgame.moc"
