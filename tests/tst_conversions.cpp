// SPDX-License-Identifier: GPL-3.0-or-later
// Counters and settings round-trip through text: numbers come out as plain digits, only whole
// numeric texts go in, and indices are 16-bit.
#include "host/Conversions.h"
#include "host/HostError.h"

#include <QTest>

class TestConversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toText_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("ten") << 10.0 << "10";
        QTest::newRow("marker") << 301.0 << "301";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("large") << 123456789.0 << "123456789";
        QTest::newRow("fraction") << 2.5 << "2.5";
    }
    void toText()
    {
        QFETCH(double, number);
        QFETCH(QString, text);
        QCOMPARE(host::toText(number), text);
    }

    void toNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("digit") << "4" << 4.0;
        QTest::newRow("counter") << "301" << 301.0;
        QTest::newRow("blanks around") << " 7 " << 7.0;
        QTest::newRow("decimal") << "2.5" << 2.5;
    }
    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(host::toNumber(text), number);
    }

    void nonNumbersAreErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << " ";
        QTest::newRow("word") << "Label4";
        QTest::newRow("trailing letter") << "3a";
        QTest::newRow("two numbers") << "3 1";
        QTest::newRow("infinity") << "inf";
        QTest::newRow("not a number") << "nan";
        QTest::newRow("comma decimal") << "2,5";
    }
    void nonNumbersAreErrors()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(host::HostError, host::toNumber(text));
    }

    void toIndex()
    {
        QCOMPARE(host::toIndex(301.0), qint16(301));
        QCOMPARE(host::toIndex(32767.0), qint16(32767));
        QCOMPARE(host::toIndex(-32768.0), qint16(-32768));
        QCOMPARE(host::toIndex(2.5), qint16(2)); // ties go to even
        QCOMPARE(host::toIndex(3.5), qint16(4));
        QVERIFY_THROWS_EXCEPTION(host::HostError, host::toIndex(32768.0));
        QVERIFY_THROWS_EXCEPTION(host::HostError, host::toIndex(-32769.0));
        QVERIFY_THROWS_EXCEPTION(host::HostError, host::toIndex(std::nan("")));
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
