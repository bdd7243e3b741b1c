// SPDX-License-Identifier: GPL-3.0-or-later
// Play through the handlers: placing symbols where the board geometry puts them, scoring full
// rows with markers in order, taking back only the last symbol, double clicks, and the rows at
// the end of the board.
#include "FormHarness.h"

#include <QTest>

using Indices = std::vector<qint16>;

class TestPlay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample()
    {
        FormHarness h({3, 1, 6, 6});
        h.click({6, 1, 3, 6});
        QCOMPARE(h.board(), (Indices {11, 12, 13, 14, 301, 302, 303, 304}));
        const int pictures[] = {5, 0, 2, 5};
        for (int p = 1; p <= 4; ++p) {
            const host::ImageElement &symbol = h.form->Znak[static_cast<qint16>(10 + p)];
            QCOMPARE(symbol.twipsTop(), 1600.0f);
            QCOMPARE(symbol.twipsLeft(), float((p - 1) * 600 + 120));
            QVERIFY(h.shows(10 + p, pictures[p - 1]));
            QVERIFY(symbol.isVisibleTo(h.form.get()));
        }
        const int markerPictures[] = {8, 8, 9, 9};
        for (int k = 1; k <= 4; ++k) {
            const host::ImageElement &marker = h.form->Znak[static_cast<qint16>(300 + k)];
            QCOMPARE(marker.twipsTop(), 1600.0f);
            QCOMPARE(marker.twipsLeft(), float((4 + k) * 600));
            QCOMPARE(marker.twipsWidth(), 495.0f);
            QVERIFY(marker.stretch());
            QVERIFY(h.shows(300 + k, markerPictures[k - 1]));
        }
        QCOMPARE(h.counters(), QString("2 1 305"));
        QCOMPARE(h.form->GuessCode[1], 0.0);
        QCOMPARE(h.form->SecretCode[3], 6.0);
    }

    void rowWithoutMarkersStillAdvances()
    {
        FormHarness h({1, 2, 3, 4});
        h.click({5, 6, 5, 6});
        QCOMPARE(h.counters(), QString("2 1 301"));
        h.click({1});
        const host::ImageElement &next = h.form->Znak[21];
        QCOMPARE(next.twipsTop(), 2200.0f);
        QCOMPARE(next.twipsLeft(), 120.0f);
    }

    void breakingTheCodeDoesNotEndTheGame()
    {
        FormHarness h({2, 4, 4, 1});
        h.click({2, 4, 4, 1, 3});
        QCOMPARE(h.board(), (Indices {11, 12, 13, 14, 21, 301, 302, 303, 304}));
        QCOMPARE(h.counters(), QString("2 2 305"));
        QVERIFY(h.shows(304, 8));
    }

    void markersNumberAcrossRows()
    {
        FormHarness h({1, 2, 3, 4});
        h.click({1, 1, 1, 1, 4, 3, 2, 1});
        // Row 1: one hit. Row 2: four nears, numbered on from the first row's marker.
        QCOMPARE(h.board(), (Indices {11, 12, 13, 14, 21, 22, 23, 24, 301, 302, 303, 304, 305}));
        QCOMPARE(h.form->Znak[302].twipsTop(), 2200.0f);
        QCOMPARE(h.form->Znak[302].twipsLeft(), 3000.0f);
        QCOMPARE(h.form->Znak[305].twipsLeft(), 4800.0f);
    }

    void takeBackOnlyTheLastSymbol()
    {
        FormHarness h({1, 2, 3, 4});
        h.click({5, 5, 5, 5, 2, 3, 4});
        const Indices full {11, 12, 13, 14, 21, 22, 23};
        // A scored row, an earlier symbol of the unfinished row, and the palette's far side.
        h.click({14, 11, 21, 22, 9});
        QCOMPARE(h.board(), full);
        QCOMPARE(h.counters(), QString("2 4 301"));

        h.click({23, 22, 21});
        QCOMPARE(h.board(), (Indices {11, 12, 13, 14}));
        QCOMPARE(h.counters(), QString("2 1 301"));
        // With the row empty the expected index is 20: nothing reaches into row 1.
        h.click({14});
        QCOMPARE(h.counters(), QString("2 1 301"));

        h.click({1, 2, 3, 4});
        h.click({301, 304, 34});
        QCOMPARE(h.counters(), QString("3 1 305"));
        QCOMPARE(h.board().size(), std::size_t(12));
    }

    // The host raises a click for the first press of a double click and a double click for the
    // second: both run the click handler.
    void doubleClicks()
    {
        FormHarness h({1, 2, 3, 4});
        const auto doubleClick = [&](qint16 index) {
            h.form->Znak_Click(index);
            h.form->Znak_DblClick(index);
        };
        doubleClick(2);
        QCOMPARE(h.board(), (Indices {11, 12}));
        QVERIFY(h.shows(12, 1));

        h.click({3});
        doubleClick(4);
        // The first press filled and scored row 1, the second began row 2.
        QCOMPARE(h.board(), (Indices {11, 12, 13, 14, 21, 301, 302, 303}));
        QCOMPARE(h.counters(), QString("2 2 304"));

        // Taking back with a double click removes one symbol only.
        h.click({5});
        doubleClick(22);
        QCOMPARE(h.board(), (Indices {11, 12, 13, 14, 21, 301, 302, 303}));
        QCOMPARE(h.counters(), QString("2 2 304"));
    }

    void ninthRowEnablesRevealMidAdvance()
    {
        FormHarness h({1, 2, 3, 4});
        QStringList placeCounterSeen;
        h.form->Label1->setChangeHandler([&] {
            placeCounterSeen << h.form->Label2->caption();
            h.form->Label1_Change();
        });
        for (int row = 1; row <= 8; ++row)
            h.click({5, 5, 5, 5});
        QVERIFY(!h.form->Command2->isEnabled());
        h.click({5, 5, 5, 5});
        QVERIFY(h.form->Command2->isEnabled());
        QCOMPARE(h.form->Label1->caption(), QString("10"));
        QCOMPARE(placeCounterSeen.last(), QString("5"));
        QCOMPARE(h.form->Label2->caption(), QString("1"));
    }

    void lastRowsOfTheBoard_data()
    {
        QTest::addColumn<int>("places");
        QTest::newRow("four places") << 4;
        QTest::newRow("six places") << 6;
    }
    void lastRowsOfTheBoard()
    {
        QFETCH(int, places);
        FormHarness h;
        // Each step deals twice: with the old place count, then with the new one.
        std::vector<int> code {1, 2, 3, 4};
        for (int p = 4; p < places; ++p) {
            h.random->deal(code, 6);
            code.push_back(p + 1);
            h.random->deal(code, 6);
            h.form->Command6_Click();
        }
        QCOMPARE(h.form->Text2->text(), QString::number(places));
        // Each row earns one hit, so markers stand at 301 and up by the time row 29 is played.
        for (int row = 1; row <= 29; ++row)
            for (int p = 1; p <= places; ++p)
                h.click({1});
        const auto lastSymbol = static_cast<qint16>(290 + places);
        QVERIFY(h.form->Znak.contains(lastSymbol));
        QCOMPARE(h.form->Znak[lastSymbol].twipsTop(), 18400.0f);
        QCOMPARE(h.counters(), QString("30 1 330"));

        // Row 30 would need indices that markers hold: palette clicks place nothing now.
        const Indices before = h.board();
        h.click({1, 2, 3, lastSymbol, 301});
        h.form->Znak_DblClick(2);
        QCOMPARE(h.board(), before);
        QCOMPARE(h.counters(), QString("30 1 330"));

        h.newGame({4, 3, 2, 1, 1, 1});
        QVERIFY(h.board().empty());
        QCOMPARE(h.counters(), QString("1 1 301"));
        h.click({4});
        QVERIFY(h.form->Znak.contains(11));
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
