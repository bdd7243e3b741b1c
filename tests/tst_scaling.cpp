// SPDX-License-Identifier: GPL-3.0-or-later
// The board's pictures on screens of every device pixel ratio. At a ratio of 1 an element shows
// the stored bitmap stretched exactly as a plain label does. At any other ratio each tile is
// drawn for its own pixels: the frame on whole pixels in the stored tile's proportions, the face
// pure silver, few blended pixels, and the motif its own. Each picture is drawn once for each
// ratio however many elements show it, and drawn again when the window moves to a screen of
// another ratio. The screens are five offscreen ones, side by side, at ratios 1, 1.25, 1.5, 2
// and 3.
#include "FormHarness.h"
#include "Tiles.h"
#include "host/ImageArray.h"
#include "host/Window.h"

#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace tilecheck;

namespace {

QScreen *screenAt(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    return nullptr;
}

// Moves @p window onto the screen of @p ratio, shown.
void putOn(QWidget &window, qreal ratio)
{
    window.move(screenAt(ratio)->geometry().topLeft() + QPoint(20, 20));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.devicePixelRatio(), ratio);
}

// A game of eight symbols whose first row has scored one hit and two near markers: the board
// shows all ten pictures.
std::unique_ptr<FormHarness> everyPicture()
{
    auto h = std::make_unique<FormHarness>();
    for (int symbols = 7; symbols <= 8; ++symbols) {
        h->random->deal({1, 2, 3, 4}, symbols);
        h->form->Command4_Click();
    }
    h->click({1, 3, 2, 8});
    return h;
}

} // namespace

class TestScaling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Without its screens the test proves nothing, not even the stored pictures at ratio 1:
    // it fails rather than pass unseen.
    void initTestCase()
    {
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
            if (!screenAt(ratio))
                QFAIL("needs the five offscreen screens of offscreen-ratios.json, which ctest "
                      "gives it");
    }

    // A palette symbol, a guess symbol and a marker, pixel for pixel what they always were.
    void sameAsEverAtRatioOne()
    {
        const auto h = everyPicture();
        putOn(*h->form, 1.0);
        for (const auto &[index, picture] :
            {std::pair(1, 0), std::pair(13, 1), std::pair(301, 8)}) {
            const QImage expected = stretched(h->form->Slika[qint16(picture)].picture().stored());
            QCOMPARE(shown(h->form->Znak[qint16(index)]), expected);
        }
    }

    void drawnForTheScreen_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<double>("mostBlended");
        // The smallest tile has the most edge for its area.
        QTest::newRow("1.25") << 1.25 << 0.06;
        QTest::newRow("1.5") << 1.5 << 0.05;
        QTest::newRow("2") << 2.0 << 0.05;
        QTest::newRow("3") << 3.0 << 0.05;
    }

    void drawnForTheScreen()
    {
        QFETCH(qreal, ratio);
        QFETCH(double, mostBlended);
        const auto h = everyPicture();
        putOn(*h->form, ratio);
        const QList<std::pair<int, int>> tiles = {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5},
            {7, 6}, {8, 7}, {301, 8}, {302, 9}, {12, 2}};
        for (const auto &[index, picture] : tiles) {
            const QImage tile = shown(h->form->Znak[qint16(index)]);
            const QString which = QStringLiteral("Znak %1: ").arg(index);
            QCOMPARE(tile.size(), QSize(33, 33) * ratio);
            QVERIFY2(frameFault(tile).isEmpty(), qPrintable(which + frameFault(tile)));
            QVERIFY2(faceFault(tile).isEmpty(), qPrintable(which + faceFault(tile)));
            QVERIFY2(blendedShare(tile) <= mostBlended,
                qPrintable(which + QString::number(blendedShare(tile) * 100) + "% blended"));
            QCOMPARE(likest(tile, *h->form), picture);
        }
    }

    // A full board of markers on one picture, and a palette of another, on a window moved from
    // screen to screen.
    void drawnOncePerPictureAndRatio()
    {
        host::Window window;
        window.resize(600, 600);
        host::ImageArray array(window.clientArea());
        host::ImageElement &original = array.addStored(0);
        original.setTwipsSize(495, 495);
        original.setStretch(true);
        original.setVisible(false);
        std::map<std::pair<int, int>, int> drawings; // by picture and pixels across
        const auto picture = [&](int number) {
            QPixmap stored(50, 46);
            stored.fill(Qt::gray);
            return host::Picture(number, stored, [&drawings, number](QSize size) {
                ++drawings[{number, size.width()}];
                QImage image(size, QImage::Format_RGB32);
                image.fill(Qt::red);
                return image;
            });
        };
        const host::Picture marker = picture(8);
        const host::Picture symbol = picture(0);
        for (qint16 i = 1; i <= 180; ++i) {
            host::ImageElement &element = array.create(i);
            element.setPicture(i <= 174 ? marker : symbol);
            const int row = (i - 1) / 15, column = (i - 1) % 15;
            element.setTwipsLeft(float(column * 600));
            element.setTwipsTop(float(row * 600));
            element.setVisible(true);
        }
        // The window paints itself anew on each screen, and the pictures it has drawn for a
        // ratio once serve it again.
        for (const qreal ratio : {2.0, 3.0, 2.0, 1.5}) {
            putOn(window, ratio);
            const int pixels = qRound(33 * ratio);
            QTRY_COMPARE(drawings[std::pair(8, pixels)], 1);
            QTRY_COMPARE(drawings[std::pair(0, pixels)], 1);
        }
        const std::map<std::pair<int, int>, int> once
            = {{{0, 50}, 1}, {{0, 66}, 1}, {{0, 99}, 1}, {{8, 50}, 1}, {{8, 66}, 1}, {{8, 99}, 1}};
        QVERIFY(drawings == once);
    }

    // The window shows the pictures for the screen it is on, whenever it moves.
    void followsTheScreen()
    {
        const auto h = everyPicture();
        host::ImageElement &spade = h->form->Znak[1];
        const QImage stored = stretched(h->form->Slika[0].picture().stored());
        for (const qreal ratio : {1.0, 2.0, 1.5, 3.0, 1.0}) {
            putOn(*h->form, ratio);
            const QImage tile = shown(spade);
            QCOMPARE(tile.size(), QSize(33, 33) * ratio);
            if (ratio == 1.0)
                QCOMPARE(tile, stored);
            else
                QVERIFY2(frameFault(tile).isEmpty(), qPrintable(frameFault(tile)));
        }
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
