// SPDX-License-Identifier: GPL-3.0-or-later
// A short game played with the mouse on the real window: palette clicks, a take-back, a double
// click, the arrows, "?" and "Nova igra", checked on the widgets a player sees.
#include "FormHarness.h"
#include "host/Twips.h"

#include <QTest>

class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    FormHarness *m_h = nullptr;

    Form1 &form() { return *m_h->form; }

    void click(QWidget *widget)
    {
        QVERIFY(widget->isVisible());
        QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {},
            widget->mapTo(&form(), widget->rect().center()));
        // Elements removed by their own click go once the event loop runs again.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void clickSymbol(int index) { click(&form().Znak[static_cast<qint16>(index)]); }

private Q_SLOTS:
    void init()
    {
        m_h = new FormHarness({3, 1, 6, 6});
        QVERIFY(showActive(form()));
    }
    void cleanup() { delete m_h; }

    void aShortGame()
    {
        for (const int symbol : {6, 1, 3, 6})
            clickSymbol(symbol);
        const host::ImageElement &marker = form().Znak[303];
        QVERIFY(marker.isVisible());
        QCOMPARE(marker.geometry(), host::twipsRect(4200, 1600, 495, 495));
        QCOMPARE(form().Znak[14].geometry(), host::twipsRect(1920, 1600, 495, 495));
        QCOMPARE(form().Znak[301].accessibleName(), QString("crveni znak, red 1"));
        QCOMPARE(form().Znak[303].accessibleName(), QString("beli znak, red 1"));
        QCOMPARE(form().Znak[14].accessibleName(), QString("zvono, red 1, mesto 4"));

        // A placed symbol goes back with a click on it; an earlier one stays.
        clickSymbol(2);
        clickSymbol(4);
        clickSymbol(21);
        QCOMPARE(m_h->board().size(), std::size_t(10));
        clickSymbol(22);
        QVERIFY(!form().Znak.contains(22));

        // A double click places the symbol twice.
        QWidget &heart = form().Znak[3];
        QTest::mouseDClick(
            form().windowHandle(), Qt::LeftButton, {}, heart.mapTo(&form(), heart.rect().center()));
        QCOMPARE(m_h->counters(), QString("2 4 305"));
        QVERIFY(form().Znak[23].isVisible());

        // "?" is disabled: a click on it shows nothing.
        click(form().Command2);
        QVERIFY(form().Label4->isHidden());

        m_h->random->deal({1, 1, 1, 1}, 6);
        click(form().Command1);
        QVERIFY(m_h->board().empty());
        QCOMPARE(m_h->counters(), QString("1 1 301"));
    }

    void revealAfterNineRows()
    {
        for (int row = 1; row <= 9; ++row)
            for (const int symbol : {2, 2, 2, 2})
                clickSymbol(symbol);
        QVERIFY(form().Command2->isEnabled());
        click(form().Command2);
        QVERIFY(form().Label4->isVisible());
        QCOMPARE(form().Label4->text(), QString("3 1 6 6 "));
        click(form().Command2);
        QVERIFY(!form().Label4->isVisible());
    }

    void arrows()
    {
        m_h->random->deal({7, 7, 7, 7}, 7);
        click(form().Command4);
        QCOMPARE(form().Text1->text(), QString("7"));
        QVERIFY(form().Znak[7].isVisible());
        QCOMPARE(form().Znak[7].geometry(), host::twipsRect(3720, 800, 495, 495));
        QCOMPARE(form().Znak[7].accessibleName(), QString("Simbol 7: kljuc"));

        m_h->random->deal({1, 1, 1, 1}, 7);
        m_h->random->deal({1, 1, 1, 1, 1}, 7);
        click(form().Command6);
        QCOMPARE(form().Text2->text(), QString("5"));
        QCOMPARE(form().Label4->caption().size(), 10);
        QVERIFY(m_h->random->numbers.empty());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
