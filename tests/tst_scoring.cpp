// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring a full row: hits first, place by place, then near markers, each guess place taking
// the lowest unconsumed secret place that holds its symbol; no cell counts twice.
#include "game/Scoring.h"

#include <QTest>

#include <stdexcept>
#include <vector>

namespace {

game::Code code(const std::vector<int> &symbols)
{
    game::Code result;
    for (std::size_t i = 0; i < symbols.size(); ++i)
        result[static_cast<int>(i) + 1] = symbols[i];
    return result;
}

// The markers as laid: 'h' or 'n' for each, in order.
QString score(game::Code &guess, game::Code &work, const game::Code &secret, int places)
{
    QString markers;
    int expectedK = 1;
    game::scoreRow(guess, work, secret, places, [&](game::Marker marker, int k) {
        QCOMPARE(k, expectedK++); // columns follow each other without gaps
        markers += marker == game::Marker::Hit ? u'h' : u'n';
    });
    return markers;
}

} // namespace

class TestScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markers_data()
    {
        QTest::addColumn<std::vector<int>>("secret");
        QTest::addColumn<std::vector<int>>("guess");
        QTest::addColumn<QString>("markers");
        QTest::newRow("two hits, two nears")
            << std::vector {3, 1, 6, 6} << std::vector {6, 1, 3, 6} << "hhnn";
        QTest::newRow("repeats as nears")
            << std::vector {1, 1, 2, 2} << std::vector {2, 2, 1, 1} << "nnnn";
        QTest::newRow("one hit, no recount")
            << std::vector {1, 2, 3, 4} << std::vector {1, 1, 1, 1} << "h";
        QTest::newRow("hits consume first")
            << std::vector {1, 1, 1, 2} << std::vector {1, 2, 2, 2} << "hh";
        QTest::newRow("nothing in common")
            << std::vector {1, 2, 3, 4} << std::vector {5, 6, 5, 6} << "";
        QTest::newRow("all hits") << std::vector {4, 4, 2, 1} << std::vector {4, 4, 2, 1} << "hhhh";
        QTest::newRow("one near from many")
            << std::vector {2, 3, 3, 3} << std::vector {1, 2, 2, 2} << "n";
        QTest::newRow("six places, all hits")
            << std::vector {8, 7, 6, 5, 4, 3} << std::vector {8, 7, 6, 5, 4, 3} << "hhhhhh";
        QTest::newRow("six places, all nears")
            << std::vector {1, 2, 3, 4, 5, 6} << std::vector {6, 1, 2, 3, 4, 5} << "nnnnnn";
        QTest::newRow("five places, mixed")
            << std::vector {7, 7, 1, 2, 7} << std::vector {7, 1, 7, 7, 3} << "hnnn";
    }
    void markers()
    {
        QFETCH(std::vector<int>, secret);
        QFETCH(std::vector<int>, guess);
        QFETCH(QString, markers);
        game::Code guessCode = code(guess);
        game::Code workCode;
        const game::Code secretCode = code(secret);
        QCOMPARE(score(guessCode, workCode, secretCode, static_cast<int>(secret.size())), markers);
    }

    // The worked example's cells: every cell that made a marker is consumed, on both sides.
    void consumedCells()
    {
        game::Code guess = code({6, 1, 3, 6});
        game::Code work = code({9, 9, 9, 9, 9, 9});
        const game::Code secret = code({3, 1, 6, 6});
        std::vector<std::pair<double, double>> atNear;
        game::scoreRow(guess, work, secret, 4, [&](game::Marker marker, int) {
            if (marker == game::Marker::Near && atNear.empty()) {
                // After the hit pass: guess 6 0 3 0, work 3 0 6 0.
                QCOMPARE(guess[1], 6.0);
                QCOMPARE(guess[2], 0.0);
                QCOMPARE(guess[3], 3.0);
                QCOMPARE(guess[4], 0.0);
                QCOMPARE(work[1], 3.0);
                QCOMPARE(work[3], 6.0);
                QCOMPARE(work[4], 0.0);
            }
            if (marker == game::Marker::Near)
                atNear.emplace_back(guess[1], guess[3]);
        });
        QCOMPARE(atNear.size(), std::size_t(2));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(guess[i], 0.0);
            QCOMPARE(work[i], 0.0);
        }
        QCOMPARE(work[5], 9.0); // places beyond the row are left alone
    }

    // Cells 0 and 6 are the first and the last; one beyond either is an error, named as such.
    void cellBounds()
    {
        game::Code cells;
        cells[0] = 1;
        cells[6] = 6;
        QCOMPARE(cells[0] + cells[6], 7.0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cells[-1]);
        try {
            cells[7] = 7;
            QFAIL("cell 7 was written");
        } catch (const std::out_of_range &error) {
            QCOMPARE(error.what(), "subscript out of range: code cell 7");
        }
    }
};

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
