// SPDX-License-Identifier: GPL-3.0-or-later
// The image control array: created elements copy the template and start hidden, indices are
// unique, an element may remove itself from its own click, clicks and double clicks arrive in
// the order the mouse made them, and an error in a handler stays inside it.
#include "host/HostError.h"
#include "host/ImageArray.h"
#include "host/Window.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestImageArray : public QObject
{
    Q_OBJECT

private:
    host::Window *m_window = nullptr;
    host::ImageArray *m_array = nullptr;

    host::ImageElement &showElement(qint16 index)
    {
        host::ImageElement &element = m_array->create(index);
        element.setPicture(host::Picture(0, QPixmap(50, 46)));
        element.setTwipsLeft(600);
        element.setTwipsTop(1200);
        element.setVisible(true);
        return element;
    }

private Q_SLOTS:
    void init()
    {
        m_window = new host::Window;
        m_window->resize(432, 509);
        m_array = new host::ImageArray(m_window->clientArea());
        host::ImageElement &original = m_array->addStored(0);
        original.setTwipsSize(495, 495);
        original.setTwipsLeft(240);
        original.setTwipsTop(600);
        original.setStretch(true);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_array;
        delete m_window;
    }

    void createdElementIsHiddenCopyOfTemplate()
    {
        QSignalSpy created(m_array, &host::ImageArray::created);
        host::ImageElement &element = m_array->create(11);
        QCOMPARE(created.count(), 1);
        QVERIFY(element.isHidden());
        QVERIFY(element.stretch());
        QCOMPARE(element.twipsWidth(), 495.0f);
        QCOMPARE(element.twipsHeight(), 495.0f);
        QCOMPARE(element.size(), QSize(33, 33));
        QVERIFY(element.picture().isNull());

        // A picture fills the element's square whatever its own size.
        element.setPicture(host::Picture(0, QPixmap(50, 46)));
        element.setTwipsTop(1600);
        element.setTwipsLeft(120);
        QCOMPARE(element.geometry(), QRect(8, 107, 33, 33));
        QCOMPARE(m_array->indices(), (std::vector<qint16> {0, 11}));
    }

    void indicesAreUnique()
    {
        m_array->create(301);
        QVERIFY_THROWS_EXCEPTION(host::HostError, m_array->create(301));
        QVERIFY_THROWS_EXCEPTION(host::HostError, m_array->remove(302));
        QVERIFY_THROWS_EXCEPTION(host::HostError, (*m_array)[302]);
        m_array->remove(301);
        QVERIFY(!m_array->contains(301));
        // The index is free again at once.
        m_array->create(301);
        QVERIFY(m_array->contains(301));
    }

    void removedFromOwnClickHandler()
    {
        QPointer<host::ImageElement> element = &showElement(14);
        int clicks = 0;
        m_array->setClickHandler("Znak_Click", [&](qint16 index) {
            ++clicks;
            m_array->remove(index);
            m_array->create(index); // the same index may come back in the same handler
        });
        QTest::mouseClick(element, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QVERIFY(m_array->contains(14));
        QVERIFY(&(*m_array)[14] != element.data());
        QVERIFY(element && element->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(element.isNull());
    }

    void clickAndDoubleClickOrder()
    {
        host::ImageElement &element = showElement(3);
        QStringList events;
        m_array->setClickHandler(
            "Znak_Click", [&](qint16 i) { events << QString("click %1").arg(i); });
        m_array->setDoubleClickHandler(
            "Znak_DblClick", [&](qint16 i) { events << QString("double %1").arg(i); });
        // Through the window, as the platform delivers a real double click.
        QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {},
            element.mapTo(m_window, element.rect().center()));
        QCOMPARE(events, (QStringList {"click 3", "double 3"}));

        events.clear();
        QTest::mouseClick(&element, Qt::RightButton);
        QVERIFY(events.isEmpty());
    }

    void handlerErrorStaysInside()
    {
        host::ImageElement &element = showElement(5);
        int calls = 0;
        m_array->setClickHandler("Znak_Click", [&](qint16 index) {
            ++calls;
            (*m_array)[static_cast<qint16>(index + 1000)];
        });
        QTest::ignoreMessage(
            QtWarningMsg, "vorn: error in Znak_Click: image element 1005 does not exist");
        QTest::mouseClick(&element, Qt::LeftButton);
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(TestImageArray)
#include "tst_imagearray.moc"
