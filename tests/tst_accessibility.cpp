// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader meets it: a whole game played through accessibility actions
// alone; presses that do nothing where a click does nothing; markers named with their row; each
// scored row's score readable from its symbols and announced; the reading order, however early
// the toolkit first asks for the window; and hidden labels that are neither listed nor heard, the
// solution label listed only while shown.

// The recording bridge below is linked into this test as a static plugin.
#define QT_STATICPLUGIN

#include "FormHarness.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QTest>
#include <QtPlugin>

#include <algorithm>

using Indices = std::vector<qint16>;

namespace {

// Every accessibility event, as the platform's bridge to a screen reader is told of it. Bridges
// hear every event on every Qt version; an update handler, on Qt 6.4, only while the platform
// reports assistive technology active, which the offscreen platform never does.
struct Heard
{
    QObject *object;
    QAccessible::Event type;
};
std::vector<Heard> heard;

bool wasHeard(QObject *object, QAccessible::Event type)
{
    return std::ranges::any_of(
        heard, [&](const Heard &event) { return event.object == object && event.type == type; });
}

class RecordingBridge : public QAccessibleBridge
{
public:
    void setRootObject(QAccessibleInterface * /*root*/) override { }
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        heard.push_back({event->object(), event->type()});
    }
};

// The symbols of a code written as a number, place by place: 3166 is 3, 1, 6, 6.
std::vector<int> digits(int code)
{
    std::vector<int> result;
    for (const QChar digit : QString::number(code))
        result.push_back(digit.digitValue());
    return result;
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString name(QAccessibleInterface *item)
{
    return item->text(QAccessible::Name);
}

QStringList actions(QObject *object)
{
    QAccessibleActionInterface *actions = accessible(object)->actionInterface();
    return actions == nullptr ? QStringList() : actions->actionNames();
}

} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "recordingbridge.json")

public:
    // Qt keeps the bridge to the end of the process and never deletes it.
    QAccessibleBridge *create(const QString & /*key*/) override
    {
        static RecordingBridge bridge;
        return &bridge;
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormHarness> m_h;
    std::unique_ptr<Form1> m_first;
    QAccessibleInterface *m_firstAsked = nullptr;

    Form1 &form() { return *m_h->form; }
    QAccessibleInterface *window() { return accessible(&form()); }

    QList<QAccessibleInterface *> children()
    {
        QList<QAccessibleInterface *> result;
        for (int i = 0; i < window()->childCount(); ++i)
            result << window()->child(i);
        return result;
    }

    QStringList names()
    {
        QStringList result;
        for (QAccessibleInterface *child : children())
            result << name(child);
        return result;
    }

    // The child of the window with this name, as a screen reader finds it.
    QAccessibleInterface *find(const QString &wanted)
    {
        for (QAccessibleInterface *child : children())
            if (name(child) == wanted)
                return child;
        return nullptr;
    }

    // Presses the child with this name through its press action, then lets an element that
    // removed itself go.
    void press(const QString &wanted)
    {
        QAccessibleInterface *child = find(wanted);
        QVERIFY2(child != nullptr, qPrintable(wanted));
        QVERIFY(child->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void pressObject(QObject *object)
    {
        accessible(object)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString description(int index)
    {
        return accessible(&form().Znak[static_cast<qint16>(index)])->text(QAccessible::Description);
    }

    // Plays symbols through the click handler, as the mouse does.
    void playRow(const std::vector<int> &guess)
    {
        for (const int symbol : guess)
            form().Znak_Click(static_cast<qint16>(symbol));
    }

private Q_SLOTS:
    void initTestCase()
    {
        auto random = std::make_unique<ScriptedRandom>();
        random->deal({1, 2, 3, 4}, 6);
        m_first = std::make_unique<Form1>(std::move(random));
        m_firstAsked = accessible(m_first.get());
        accessibility::attach(*m_first);
    }
    void cleanupTestCase() { m_first.reset(); }

    void init()
    {
        m_h = std::make_unique<FormHarness>(std::vector<int> {3, 1, 6, 6});
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        heard.clear();
    }
    void cleanup() { m_h.reset(); }

    void aGameThroughPressesAlone()
    {
        press("Simbol 6: zvono");
        press("Simbol 1: pik");
        press("Simbol 3: herc");
        QCOMPARE(m_h->board(), (Indices {11, 12, 13}));
        press("herc, red 1, mesto 3");
        QCOMPARE(m_h->board(), (Indices {11, 12}));
        QCOMPARE(m_h->counters(), QString("1 3 301"));
        press("Simbol 3: herc");
        press("Simbol 6: zvono");

        QCOMPARE(m_h->board(), (Indices {11, 12, 13, 14, 301, 302, 303, 304}));
        QCOMPARE(m_h->counters(), QString("2 1 305"));
        QVERIFY(m_h->shows(13, 2));
        QVERIFY(find("crveni znak, red 1") != nullptr);
        QVERIFY(find("beli znak, red 1") != nullptr);
        QCOMPARE(description(12), QString("2 crvena, 2 bela"));

        // Eight more rows open "?"; its press shows the solution, read as one line.
        for (int row = 2; row <= 9; ++row)
            for (int place = 1; place <= 4; ++place)
                press("Simbol 2: karo");
        QCOMPARE(m_h->counters(), QString("10 1 305"));
        QCOMPARE(description(94), QString("nema znakova"));
        press("Prikaz resenja");
        QTRY_VERIFY(find("Resenje: 3 1 6 6") != nullptr);

        m_h->random->deal({1, 2, 3, 4}, 6);
        press("Nova igra");
        QTRY_VERIFY(m_h->board().empty());
        QVERIFY(find("Resenje: 3 1 6 6") == nullptr);
        QCOMPARE(m_h->counters(), QString("1 1 301"));
    }

    // A press is a click: where a click changes nothing, so does a press, and markers and the
    // template offer none.
    void pressesThatDoNothing()
    {
        playRow({6, 1, 3, 6});
        playRow({2, 4});
        QCOMPARE(m_h->board(), (Indices {11, 12, 13, 14, 21, 22, 301, 302, 303, 304}));
        const QString counters = m_h->counters();

        for (const qint16 marker : Indices {301, 304}) {
            QVERIFY(actions(&form().Znak[marker]).isEmpty());
            QCOMPARE(accessible(&form().Znak[marker])->role(), QAccessible::Graphic);
            pressObject(&form().Znak[marker]);
        }
        QVERIFY(actions(&form().Znak[0]).isEmpty());
        pressObject(&form().Znak[0]);
        for (const qint16 symbol : Indices {21, 14, 11}) {
            QCOMPARE(accessible(&form().Znak[symbol])->role(), QAccessible::Button);
            pressObject(&form().Znak[symbol]);
        }
        QCOMPARE(m_h->board(), (Indices {11, 12, 13, 14, 21, 22, 301, 302, 303, 304}));
        QCOMPARE(m_h->counters(), counters);

        pressObject(&form().Znak[22]);
        QCOMPARE(m_h->board(), (Indices {11, 12, 13, 14, 21, 301, 302, 303, 304}));
    }

    void score_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("guess");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("nears");
        QTest::addColumn<QString>("score");
        QTest::newRow("none") << 1111 << 2222 << 0 << 0 << "nema znakova";
        QTest::newRow("one hit") << 1234 << 1111 << 1 << 0 << "1 crveni";
        QTest::newRow("one near") << 1234 << 5155 << 0 << 1 << "1 beli";
        QTest::newRow("two and two") << 3166 << 6136 << 2 << 2 << "2 crvena, 2 bela";
        QTest::newRow("three hits") << 1234 << 1244 << 3 << 0 << "3 crvena";
        QTest::newRow("four near") << 1234 << 4321 << 0 << 4 << "4 bela";
        QTest::newRow("five hits") << 12345 << 12345 << 5 << 0 << "5 crvenih";
        QTest::newRow("three and two") << 12345 << 12354 << 3 << 2 << "3 crvena, 2 bela";
        QTest::newRow("one and five") << 123456 << 134562 << 1 << 5 << "1 crveni, 5 belih";
        QTest::newRow("six hits") << 123456 << 123456 << 6 << 0 << "6 crvenih";
        QTest::newRow("six near") << 123456 << 234561 << 0 << 6 << "6 belih";
    }

    // The row is scored as the second of its game, after a first row with a score of its own.
    void score()
    {
        QFETCH(int, code);
        QFETCH(int, guess);
        QFETCH(int, hits);
        QFETCH(int, nears);
        QFETCH(QString, score);
        const auto places = static_cast<int>(digits(code).size());
        for (int p = 4; p < places; ++p) {
            m_h->random->deal(std::vector<int>(p, 1), 6);
            m_h->random->deal(std::vector<int>(p + 1, 1), 6);
            form().Command6_Click();
        }
        m_h->newGame(digits(code));
        playRow(std::vector<int>(places, digits(code).front()));
        const QString firstScore = description(11);

        heard.clear();
        playRow(digits(guess));
        for (int place = 1; place <= places; ++place) {
            QCOMPARE(description(20 + place), score);
            QObject *symbol = &form().Znak[static_cast<qint16>(20 + place)];
            QVERIFY(wasHeard(symbol, QAccessible::DescriptionChanged));
        }
        QCOMPARE(description(11), firstScore);

        // The markers follow the row's last symbol, hits first, each announced as it is laid.
        const QStringList listed = names();
        const auto last
            = listed.indexOf(name(accessible(&form().Znak[static_cast<qint16>(20 + places)])));
        QCOMPARE(listed.mid(last + 1),
            QStringList(hits, "crveni znak, red 2") + QStringList(nears, "beli znak, red 2"));
        const Indices board = m_h->board();
        for (auto marker = board.end() - hits - nears; marker != board.end(); ++marker) {
            QVERIFY(wasHeard(&form().Znak[*marker], QAccessible::ObjectCreated));
            QCOMPARE(accessible(&form().Znak[*marker])->parent(), window());
        }
    }

    void readingOrder()
    {
        QCOMPARE(names(),
            (QStringList {"Nova igra", "Manje simbola", "Broj simbola", "Vise simbola",
                "Manje mesta", "Broj mesta", "Vise mesta", "Prikaz resenja", "Simbol 1: pik",
                "Simbol 2: karo", "Simbol 3: herc", "Simbol 4: tref", "Simbol 5: smesko",
                "Simbol 6: zvono"}));

        // A one-hit row, a four-near row and an unfinished row.
        m_h->newGame({1, 2, 3, 4});
        playRow({1, 5, 5, 5});
        playRow({4, 3, 2, 1});
        playRow({6});
        QList<QObject *> board;
        for (QAccessibleInterface *child : children().mid(14))
            board << child->object();
        QList<QObject *> expected;
        for (const int index : {11, 12, 13, 14, 301, 21, 22, 23, 24, 302, 303, 304, 305, 31})
            expected << &form().Znak[static_cast<qint16>(index)];
        QCOMPARE(board, expected);

        const QList<QAccessibleInterface *> listed = children();
        for (int i = 0; i < listed.size(); ++i) {
            QCOMPARE(listed[i]->parent(), window());
            QCOMPARE(window()->indexOfChild(listed[i]), i);
        }
        // Taken back, or dealt anew, the board leaves the order at once.
        form().Znak_Click(31);
        QCOMPARE(window()->childCount(), listed.size() - 1);
        m_h->newGame({1, 2, 3, 4});
        QCOMPARE(names().size(), 14);

        // The controls are still made in the order that decides what is drawn on top. (The
        // stored pictures below the palette's band, 5 to 9, stand with the rows.)
        const QList<QWidget *> stored {form().Command6, form().Command5, form().Command4,
            form().Command3, form().Command2, form().Command1, form().Text2, form().Text1,
            &form().Slika[4], &form().Slika[0], &form().Znak[0], form().Label4, form().Label3,
            form().Label2, form().Label1};
        QList<QWidget *> made;
        for (QObject *child : form().children())
            if (stored.contains(child))
                made << static_cast<QWidget *>(child);
        QCOMPARE(made, stored);
    }

    // The toolkit makes a window's interface once, when first asked, and keeps it; setting the
    // title asks already on some versions. The first window of the process, asked before it had
    // its reading order, still lists its controls in that order.
    void askedBeforeItsReadingOrder()
    {
        QCOMPARE(accessible(m_first.get()), m_firstAsked);
        QCOMPARE(m_firstAsked->childCount(), 14);
        QCOMPARE(name(m_firstAsked->child(0)), QString("Nova igra"));
        QCOMPARE(name(m_firstAsked->child(13)), QString("Simbol 6: zvono"));
    }

    void hiddenLabelsAreSilent()
    {
        const QList<QObject *> labels {form().Label1, form().Label2, form().Label3, form().Label4};
        const auto listedLabels = [&] {
            QList<QObject *> listed;
            for (QAccessibleInterface *child : children())
                if (labels.contains(child->object()))
                    listed << child->object();
            return listed;
        };
        const auto heardLabels = [&] {
            return std::ranges::any_of(
                heard, [&](const Heard &event) { return labels.contains(event.object); });
        };
        QVERIFY(listedLabels().isEmpty());

        // Every counter moves; the solution is written while hidden.
        playRow({6, 1, 3, 6});
        playRow({2, 2, 2});
        form().Znak_Click(23);
        m_h->newGame({4, 4, 4, 4});
        for (int row = 1; row <= 9; ++row)
            playRow({1, 2, 3, 5});
        QVERIFY(!heardLabels());
        QVERIFY(listedLabels().isEmpty());

        // Shown, the solution is read after "?"; hidden again, it is gone.
        form().Command2_Click();
        QCOMPARE(listedLabels(), (QList<QObject *> {form().Label4}));
        QCOMPARE(names().at(8), QString("Resenje: 4 4 4 4"));
        QVERIFY(wasHeard(form().Label4, QAccessible::ObjectCreated));
        form().Command2_Click();
        QVERIFY(listedLabels().isEmpty());
        QVERIFY(wasHeard(form().Label4, QAccessible::ObjectDestroyed));

        heard.clear();
        m_h->newGame({5, 5, 5, 5});
        playRow({1, 1, 1, 1});
        QVERIFY(!heardLabels());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
