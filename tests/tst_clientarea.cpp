// SPDX-License-Identifier: GPL-3.0-or-later
// What the player can see: the window widens for the markers of five and six places, grows
// downward with the rows as far as the screen allows and scrolls the rows beyond that, keeping
// the place the next palette click fills in view, while the buttons and the palette stay put.
// Runs again at scale factors 1.5 and 2, where everything is in device-independent pixels. On a
// Wayland compositor the window's sizes settle a moment after it asks for them, so what is in
// view is checked once they have.
#include "FormHarness.h"
#include "game/Board.h"
#include "host/Twips.h"

#include <QAbstractScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace {

QRect pixels(game::Rect twips)
{
    return host::twipsRect(twips.left, twips.top, twips.width, twips.height);
}

} // namespace

class TestClientArea : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormHarness> m_h;

    Form1 &form() { return *m_h->form; }
    QScrollBar *scrollBar()
    {
        return form().findChild<QAbstractScrollArea *>()->verticalScrollBar();
    }
    int scrollPosition() { return scrollBar()->value(); }

    // The part of the client area where the rows show, in the client area's coordinates.
    QRect rowsInView()
    {
        const QWidget *viewport = form().findChild<QAbstractScrollArea *>()->viewport();
        return {viewport->mapTo(&form(), QPoint(0, 0)), viewport->size()};
    }

    // A rectangle of the board, in the client area's coordinates as it is scrolled now.
    QRect onBoard(game::Rect twips) { return pixels(twips).translated(0, -scrollPosition()); }

    // Whether the player sees all of @p widget: not clipped by the window's edges or by the rows'
    // area, and the window itself within the screen's available area.
    bool wholeInView(const QWidget &widget)
    {
        const QRect available = form().screen()->availableGeometry();
        return widget.isVisible() && widget.visibleRegion() == QRegion(widget.rect())
            && available.contains(form().frameGeometry());
    }

    void click(QWidget &widget)
    {
        QVERIFY(wholeInView(widget));
        QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {},
            widget.mapTo(&form(), widget.rect().center()));
        settle();
    }
    void clickSymbol(int index) { click(form().Znak[static_cast<qint16>(index)]); }

    // Lets removed elements go and the window follow the board.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Where the buttons and the palette stand on the screen.
    QList<QPoint> topBand()
    {
        QList<QPoint> where;
        for (const QWidget *control : std::initializer_list<const QWidget *> {form().Command1,
                 form().Command2, form().Command6, form().Text1, &form().Znak[1], &form().Znak[6]})
            where << control->mapToGlobal(QPoint(0, 0));
        return where;
    }

    // Fills rows with symbol 1 until @p row is the row being filled.
    void playTo(int row)
    {
        const int places = form().Text2->text().toInt();
        while (form().Label1->caption().toInt() < row && !QTest::currentTestFailed())
            for (int p = 1; p <= places; ++p)
                clickSymbol(1);
    }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<FormHarness>(std::vector<int> {2, 2, 2, 2});
        QVERIFY(showActive(form()));
        settle();
    }
    void cleanup() { m_h.reset(); }

    void startsAtTheStoredSize()
    {
        QCOMPARE(form().size(), QSize(432, 509));
        QCOMPARE(scrollPosition(), 0);
        QVERIFY(!scrollBar()->isVisible());
        // At scroll position 0 the rows stand where their twips put them.
        clickSymbol(3);
        QCOMPARE(form().Znak[11].mapTo(&form(), QPoint(0, 0)), QPoint(8, 107));
    }

    void markersOfWideRows_data()
    {
        QTest::addColumn<int>("places");
        QTest::newRow("five places") << 5;
        QTest::newRow("six places") << 6;
    }
    void markersOfWideRows()
    {
        QFETCH(int, places);
        std::vector<int> code {1, 1, 1, 1};
        for (int p = 4; p < places; ++p) {
            m_h->random->deal(code, 6);
            code.push_back(1);
            m_h->random->deal(code, 6);
            click(*form().Command6);
        }
        // Wide enough at once, before any marker is laid, with the left margin on the right.
        const game::Rect lastMarker {
            game::markerLeft(places, places), game::rowTop(1), game::SymbolSize, game::SymbolSize};
        QTRY_VERIFY(rowsInView().contains(onBoard(lastMarker)));
        QCOMPARE(form().width(), host::toPixels(game::boardExtent(1, places).width));

        for (int p = 1; p <= places; ++p)
            clickSymbol(1);
        for (int k = 0; k < places; ++k)
            QVERIFY(wholeInView(form().Znak[static_cast<qint16>(301 + k)]));
        // Still wide enough with the scroll bar beside the rows, far down the board, where each
        // row earns all its markers.
        playTo(29);
        const auto markers = static_cast<qint16>(form().Label3->caption().toInt() - 1);
        QVERIFY(scrollBar()->isVisible());
        QVERIFY(wholeInView(form().Znak[markers]));
    }

    void rowsFollowTheBoardDown()
    {
        const QList<QPoint> band = topBand();
        const int screenBottom = form().screen()->availableGeometry().bottom();
        for (int row = 1; row <= 29; ++row) {
            playTo(row);
            clickSymbol(2);
            QTRY_VERIFY2(wholeInView(form().Znak[static_cast<qint16>(row * 10 + 1)]),
                qPrintable(QString("row %1").arg(row)));
            QCOMPARE(topBand(), band);
        }
        // The window grew as far as the screen lets it, and the rows scroll beyond that.
        QCOMPARE(form().frameGeometry().bottom(), screenBottom);
        QVERIFY(scrollPosition() > 0);
        QCOMPARE(form().width(), 432);
    }

    void scrolledBackTheRowComesBack()
    {
        playTo(25);
        clickSymbol(4);
        clickSymbol(5);
        const int following = scrollPosition();
        QVERIFY(following > 0);

        // The wheel scrolls the rows back; the next palette click brings the row back.
        QWidget *viewport = form().findChild<QAbstractScrollArea *>()->viewport();
        const QPoint inside = viewport->rect().center();
        for (int notch = 0; notch < 40; ++notch) {
            QWheelEvent wheel(inside, viewport->mapToGlobal(inside), {}, {0, 120}, Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(viewport, &wheel);
        }
        QCOMPARE(scrollPosition(), 0);
        QVERIFY(form().Znak[252].visibleRegion().isEmpty());
        clickSymbol(6);
        QCOMPARE(scrollPosition(), following);
        QVERIFY(wholeInView(form().Znak[253]));

        // Scrolled a little back, the last symbol is still in view and still goes back with a
        // click; filling its place again follows the row as before.
        scrollBar()->setValue(following - 4);
        clickSymbol(253);
        QVERIFY(!form().Znak.contains(253));
        QCOMPARE(m_h->counters().section(u' ', 0, 1), QString("25 3"));
        clickSymbol(1);
        QVERIFY(wholeInView(form().Znak[253]));
    }

    void resizedByThePlayer()
    {
        playTo(12);
        const QSize grown = form().size();
        QVERIFY(grown.height() > 509);
        // Never below the stored size; the next row started below the edge grows it again.
        form().resize(100, 100);
        QTRY_COMPARE(form().size(), QSize(432, 509));
        clickSymbol(1);
        QTRY_VERIFY(wholeInView(form().Znak[121]));
    }

    void newGameGoesBackToTheTop()
    {
        playTo(25);
        const QSize size = form().size();
        QVERIFY(scrollPosition() > 0);
        m_h->random->deal({1, 1, 1, 1}, 6);
        click(*form().Command1);
        QCOMPARE(scrollPosition(), 0);
        QVERIFY(!scrollBar()->isVisible());
        QCOMPARE(form().size(), size);
        clickSymbol(1);
        QVERIFY(wholeInView(form().Znak[11]));
        QCOMPARE(form().Znak[11].mapTo(&form(), QPoint(0, 0)), QPoint(8, 107));
    }
};

QTEST_MAIN(TestClientArea)
#include "tst_clientarea.moc"
