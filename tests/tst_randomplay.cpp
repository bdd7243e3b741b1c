// SPDX-License-Identifier: GPL-3.0-or-later
// Long seeded random plays through the window's own handlers: palette clicks, clicks on the
// board, new games, setting changes and the solution button. The test keeps its own model of
// the game, and after every event the board, the counters, the codes and the buttons must agree
// with it. A failure names the seed, the event and the events before it; a row of play_data()
// replays one seed on its own.
#include "app/Accessibility.h"
#include "app/Form1.h"
#include "game/Board.h"
#include "host/Twips.h"

#include <QAbstractScrollArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr unsigned Seeds = 20;
constexpr int EventsPerSeed = 10000;

// The game's numbers, written out here rather than taken from the program; only what an index
// is comes from the board's own rule.
constexpr int MinSymbols = 4, MaxSymbols = 8, MinPlaces = 4, MaxPlaces = 6;
constexpr int RevealRow = 10; ///< The row counter once nine rows are scored.
constexpr int ClosedRow = 30; ///< The row counter from which palette clicks place nothing.
constexpr int HitPicture = 8, NearPicture = 9;

int rowTop(int row)
{
    return row * 600 + 1000;
}

int columnLeft(int column)
{
    return (column - 1) * 600 + 120;
}

/// Draws the game's codes from a seed, now and then at the very ends of the range.
class SeededRandom final : public host::RandomSource
{
public:
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) { }
    void seedFromClock() override { }
    float next() override
    {
        switch (m_engine() % 16) {
        case 0:
            return 0.0f;
        case 1:
            return 1.0f - 0x1p-24f;
        default:
            return host::ClockRandom::toUnit(static_cast<std::uint32_t>(m_engine()));
        }
    }

private:
    std::mt19937 m_engine;
};

struct Marks
{
    int hits = 0;
    int nears = 0;
};

/// Hits are places where guess and secret agree; nears are the symbols they share, hits aside.
Marks mark(const std::vector<int> &guess, const std::array<double, 7> &secret)
{
    Marks marks;
    std::array<int, MaxSymbols + 1> inGuess {}, inSecret {};
    for (std::size_t p = 0; p < guess.size(); ++p) {
        const int wanted = static_cast<int>(secret[p + 1]);
        marks.hits += guess[p] == wanted;
        ++inGuess.at(static_cast<std::size_t>(guess[p]));
        ++inSecret.at(static_cast<std::size_t>(wanted));
    }
    for (int s = 1; s <= MaxSymbols; ++s)
        marks.nears += std::min(inGuess[s], inSecret[s]);
    marks.nears -= marks.hits;
    return marks;
}

/// What the board should hold: the settings, the secret, and the palette symbol behind every
/// guess symbol.
struct Model
{
    int symbols = 6;
    int places = 4;
    std::array<double, 7> secret {};
    std::vector<std::vector<int>> rows; ///< The scored rows.
    std::vector<Marks> marks; ///< The markers of each scored row.
    std::vector<int> current; ///< The unfinished row.
    int markers = 0;
    bool solutionShown = false;

    int row() const { return static_cast<int>(rows.size()) + 1; }
    int placeCounter() const { return static_cast<int>(current.size()) + 1; }
    int lastSymbol() const
    {
        return current.empty() ? -1 : static_cast<int>(game::guessIndex(row(), placeCounter() - 1));
    }

    void newGame(const Form1 &form)
    {
        for (int p = 1; p <= places; ++p)
            secret[p] = form.SecretCode[p];
        rows.clear();
        marks.clear();
        current.clear();
        markers = 0;
        solutionShown = false;
    }

    /// Returns whether a symbol went down.
    bool place(int symbol)
    {
        if (row() >= ClosedRow)
            return false;
        current.push_back(symbol);
        if (static_cast<int>(current.size()) == places) {
            marks.push_back(mark(current, secret));
            markers += marks.back().hits + marks.back().nears;
            rows.push_back(current);
            current.clear();
        }
        return true;
    }

    /// Only the last symbol of the unfinished row goes back; returns whether it did.
    bool takeBack(int index)
    {
        if (index != lastSymbol())
            return false;
        current.pop_back();
        return true;
    }
};

struct Event
{
    enum Kind { Click, DoubleClick, Button } kind = Click;
    int arg = 0; ///< The element index, or the button's number.

    QString describe() const
    {
        switch (kind) {
        case Click:
            return QStringLiteral("Znak_Click(%1)").arg(arg);
        case DoubleClick:
            return QStringLiteral("Znak_DblClick(%1)").arg(arg);
        case Button:
            break;
        }
        return QStringLiteral("Command%1_Click").arg(arg);
    }
};

/// Picks events in moods: long stretches of mostly palette clicks, so that games run past the
/// last playable row, and shorter ones that keep changing the settings.
class Picker
{
public:
    explicit Picker(std::uint32_t seed) : m_engine(seed) { }

    Event next(const Form1 &form, const Model &model)
    {
        if (m_moodLeft-- == 0) {
            m_churn = below(4) == 0;
            m_moodLeft = 300 + below(700);
        }
        // A player who has filled the board soon deals again.
        if (model.row() >= ClosedRow && below(50) == 0)
            return {Event::Button, 1};
        int roll = below(1000);
        for (int i = 0; i < 6 && roll >= 0; ++i) {
            roll -= (m_churn ? ChurnButtons : CalmButtons)[i];
            // A disabled "?" takes no click: the roll goes to the palette instead.
            if (roll < 0 && (i != 1 || form.Command2->isEnabled()))
                return {Event::Button, i + 1};
        }
        if (roll >= 0 && roll < (m_churn ? 150 : 100))
            return onBoard(form, model, below(3) == 0 ? Event::DoubleClick : Event::Click);
        return {below(12) == 0 ? Event::DoubleClick : Event::Click, 1 + below(model.symbols)};
    }

private:
    static constexpr std::array<int, 6> CalmButtons {1, 20, 1, 1, 1, 1};
    static constexpr std::array<int, 6> ChurnButtons {40, 50, 40, 40, 40, 40};

    int below(int n) { return static_cast<int>(m_engine() % static_cast<unsigned>(n)); }

    /// A click on an existing guess symbol or marker, half the time the last symbol placed.
    Event onBoard(const Form1 &form, const Model &model, Event::Kind kind)
    {
        if (model.lastSymbol() > 0 && below(2) == 0)
            return {kind, model.lastSymbol()};
        const std::vector<qint16> indices = form.Znak.indices();
        const auto first = std::ranges::find_if(indices, game::onBoard);
        if (first == indices.end())
            return {kind, 1 + below(model.symbols)};
        return {kind, *(first + below(static_cast<int>(indices.end() - first)))};
    }

    std::mt19937 m_engine;
    int m_moodLeft = 0;
    bool m_churn = false;
};

/// How much of the game a play reached.
struct Coverage
{
    int closedBoards = 0; ///< Games that scored the last playable row.
    int ignoredClicks = 0; ///< Palette clicks on a closed board.
    int takeBacks = 0;
    int solutionsShown = 0;
    int settingChanges = 0;
};

/// A click or double click on element @p event.arg, and what it does to the model.
void click(Form1 &form, Model &model, Coverage &coverage, const Event &event)
{
    const auto index = static_cast<qint16>(event.arg);
    event.kind == Event::Click ? form.Znak_Click(index) : form.Znak_DblClick(index);
    if (game::elementAt(event.arg) != game::Element::Palette)
        coverage.takeBacks += model.takeBack(event.arg);
    else if (!model.place(event.arg))
        ++coverage.ignoredClicks;
    else if (model.row() == ClosedRow && model.current.empty())
        ++coverage.closedBoards;
}

/// A click on button @p button, and what it does to the model.
void press(Form1 &form, Model &model, Coverage &coverage, int button)
{
    const std::array<void (Form1::*)(), 6> handlers {&Form1::Command1_Click, &Form1::Command2_Click,
        &Form1::Command3_Click, &Form1::Command4_Click, &Form1::Command5_Click,
        &Form1::Command6_Click};
    (form.*handlers.at(static_cast<std::size_t>(button - 1)))();

    if (button == 2) {
        model.solutionShown = !model.solutionShown;
        coverage.solutionsShown += model.solutionShown;
        return;
    }
    const int symbols = model.symbols, places = model.places;
    if (button == 3 || button == 4)
        model.symbols = std::clamp(symbols + (button == 4 ? 1 : -1), MinSymbols, MaxSymbols);
    if (button == 5 || button == 6)
        model.places = std::clamp(places + (button == 6 ? 1 : -1), MinPlaces, MaxPlaces);
    coverage.settingChanges += model.symbols != symbols || model.places != places;
    // A symbol button at its limit does nothing; a place button deals a new game even there.
    if (button < 3 || button > 4 || model.symbols != symbols)
        model.newGame(form);
}

/// Runs @p event through the form's handler, then moves the model the same way.
void apply(Form1 &form, Model &model, Coverage &coverage, const Event &event)
{
    if (event.kind == Event::Button)
        press(form, model, coverage, event.arg);
    else
        click(form, model, coverage, event);
    // Once the event is over the window follows the board.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

/// An element the board should hold, and the stored picture it should show.
struct Expected
{
    qint16 index;
    int top;
    int left;
    int picture;
};

/// Compares the form with the model; every check returns the first fault it finds, or nothing.
class Checker
{
public:
    explicit Checker(const Form1 &form)
    {
        for (qint16 i = 0; i <= NearPicture; ++i) {
            m_pictures.at(i) = form.Slika[i].picture();
            m_images.at(i) = form.Slika[i].picture().stored().toImage();
        }
    }

    /// Whether the stored pictures are there and tell apart every symbol and marker.
    bool picturesDistinct() const
    {
        for (std::size_t i = 0; i < m_images.size(); ++i) {
            if (m_images[i].isNull())
                return false;
            for (std::size_t j = 0; j < i; ++j)
                if (m_images[j] == m_images[i])
                    return false;
        }
        return true;
    }

    QString check(const Form1 &form, const Model &model)
    {
        QString fault = counters(form, model);
        if (fault.isEmpty())
            fault = codes(form, model);
        if (fault.isEmpty())
            fault = board(form, model);
        if (fault.isEmpty())
            fault = view(form, model);
        return fault;
    }

    /// The place the next palette click fills is in view, and so is the last marker a row of
    /// the game can earn.
    static QString view(const Form1 &form, const Model &model)
    {
        const auto *rows = form.findChild<QAbstractScrollArea *>();
        const QRect inView(rows->viewport()->mapTo(&form, QPoint(0, 0)), rows->viewport()->size());
        const int scrolled = rows->verticalScrollBar()->value();
        const int row = std::min(model.row(), ClosedRow - 1);
        const int place = model.row() < ClosedRow ? model.placeCounter() : 1;
        const QRect next(host::toPixels(columnLeft(place)), host::toPixels(rowTop(row)) - scrolled,
            host::toPixels(495), host::toPixels(495));
        if (!inView.contains(next))
            return QStringLiteral("row %1, place %2 is out of view").arg(row).arg(place);
        const int markersEnd = host::toPixels(2 * model.places * 600 + 495);
        if (inView.right() + 1 < markersEnd)
            return QStringLiteral("the view ends at %1, the markers at %2")
                .arg(inView.right() + 1)
                .arg(markersEnd);
        return {};
    }

private:
    static QString text(const char *name, const QString &actual, int expected)
    {
        if (actual == QString::number(expected))
            return {};
        return QStringLiteral("%1 reads \"%2\", not \"%3\"").arg(name, actual).arg(expected);
    }

    static QString counters(const Form1 &form, const Model &model)
    {
        for (QString fault : {text("Text1", form.Text1->text(), model.symbols),
                 text("Text2", form.Text2->text(), model.places),
                 text("Label1", form.Label1->caption(), model.row()),
                 text("Label2", form.Label2->caption(), model.placeCounter()),
                 text("Label3", form.Label3->caption(), game::FirstMarkerIndex + model.markers)}) {
            if (!fault.isEmpty())
                return fault;
        }
        if (form.Command2->isEnabled() != (model.row() >= RevealRow))
            return QStringLiteral("\"?\" is %1 at row %2")
                .arg(form.Command2->isEnabled() ? "enabled" : "disabled")
                .arg(model.row());
        if (form.Label4->isHidden() == model.solutionShown)
            return QStringLiteral("the solution is %1")
                .arg(model.solutionShown ? "hidden" : "shown");
        return {};
    }

    static QString codes(const Form1 &form, const Model &model)
    {
        QString solution;
        for (int p = 1; p <= model.places; ++p) {
            const double symbol = form.SecretCode[p];
            if (symbol != model.secret[p])
                return QStringLiteral("secret place %1 changed to %2").arg(p).arg(symbol);
            if (symbol != std::floor(symbol) || symbol < 1 || symbol > model.symbols)
                return QStringLiteral("secret place %1 holds %2").arg(p).arg(symbol);
            solution += QString::number(symbol) + QLatin1Char(' ');
        }
        if (form.Label4->caption() != solution)
            return QStringLiteral("the solution reads \"%1\", not \"%2\"")
                .arg(form.Label4->caption(), solution);
        for (int p = 1; p < model.placeCounter(); ++p) {
            if (form.GuessCode[p] != model.current[static_cast<std::size_t>(p - 1)])
                return QStringLiteral("guess place %1 holds %2").arg(p).arg(form.GuessCode[p]);
        }
        return {};
    }

    void expectRow(int row, const std::vector<int> &symbols)
    {
        for (std::size_t p = 1; p <= symbols.size(); ++p) {
            const int place = static_cast<int>(p);
            m_expected.push_back({static_cast<qint16>(game::guessIndex(row, place)), rowTop(row),
                columnLeft(place), symbols[p - 1] - 1});
        }
    }

    void expectBoard(const Model &model)
    {
        m_expected.clear();
        for (int s = 1; s <= model.symbols; ++s)
            m_expected.push_back({static_cast<qint16>(s), 800, columnLeft(s), s - 1});
        for (std::size_t r = 0; r < model.rows.size(); ++r)
            expectRow(static_cast<int>(r) + 1, model.rows[r]);
        expectRow(model.row(), model.current);
        int index = game::FirstMarkerIndex;
        for (std::size_t r = 0; r < model.marks.size(); ++r) {
            const Marks marks = model.marks[r];
            for (int k = 1; k <= marks.hits + marks.nears; ++k)
                m_expected.push_back({static_cast<qint16>(index++), rowTop(static_cast<int>(r) + 1),
                    (model.places + k) * 600, k <= marks.hits ? HitPicture : NearPicture});
        }
    }

    QString board(const Form1 &form, const Model &model)
    {
        expectBoard(model);
        const std::vector<qint16> indices = form.Znak.indices();
        if (indices.empty() || indices.front() != 0)
            return QStringLiteral("Znak 0 is missing");
        if (!form.Znak[0].isHidden())
            return QStringLiteral("Znak 0 is shown");
        for (std::size_t i = 0; i < std::max(m_expected.size(), indices.size() - 1); ++i) {
            const int actual = i + 1 < indices.size() ? indices[i + 1] : INT_MAX;
            const int wanted = i < m_expected.size() ? m_expected[i].index : INT_MAX;
            if (actual < wanted)
                return QStringLiteral("Znak %1 should not exist").arg(actual);
            if (wanted < actual)
                return QStringLiteral("Znak %1 is missing").arg(wanted);
            if (QString fault = element(form.Znak[indices[i + 1]], m_expected[i]); !fault.isEmpty())
                return fault;
        }
        return {};
    }

    QString element(const host::ImageElement &element, const Expected &expected) const
    {
        if (element.isHidden())
            return QStringLiteral("Znak %1 is hidden").arg(expected.index);
        if (element.twipsLeft() != static_cast<float>(expected.left)
            || element.twipsTop() != static_cast<float>(expected.top))
            return QStringLiteral("Znak %1 stands at left %2, top %3, not %4, %5")
                .arg(expected.index)
                .arg(element.twipsLeft())
                .arg(element.twipsTop())
                .arg(expected.left)
                .arg(expected.top);
        const auto wanted = static_cast<std::size_t>(expected.picture);
        if (element.picture() != m_pictures.at(wanted))
            return QStringLiteral("Znak %1 does not show picture %2")
                .arg(expected.index)
                .arg(expected.picture);
        return {};
    }

    std::array<host::Picture, NearPicture + 1> m_pictures;
    std::array<QImage, NearPicture + 1> m_images;
    std::vector<Expected> m_expected;
};

/// The last events of a play, for the failure message.
class History
{
public:
    void add(const Event &event) { m_events.at(m_count++ % m_events.size()) = event; }

    QString describe() const
    {
        QStringList lines;
        const std::size_t size = m_events.size();
        for (std::size_t n = m_count > size ? m_count - size : 0; n < m_count; ++n)
            lines << QStringLiteral("  %1 %2").arg(n).arg(m_events.at(n % size).describe());
        return lines.join(QLatin1Char('\n'));
    }

private:
    std::array<Event, 16> m_events {};
    std::size_t m_count = 0;
};

} // namespace

class TestRandomPlay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void play_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= Seeds; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void play()
    {
        QFETCH(unsigned, seed);
        Form1 form(std::make_unique<SeededRandom>(seed * 2654435761u));
        accessibility::attach(form);
        form.show();
        Model model;
        model.newGame(form);
        Checker checker(form);
        QVERIFY2(checker.picturesDistinct(), "the stored pictures are missing or alike");
        QString fault = checker.check(form, model);
        QVERIFY2(
            fault.isEmpty(), qPrintable(QStringLiteral("seed %1, start: %2").arg(seed).arg(fault)));

        Picker picker(seed);
        History history;
        Coverage coverage;
        for (int n = 0; n < EventsPerSeed; ++n) {
            const Event event = picker.next(form, model);
            history.add(event);
            try {
                apply(form, model, coverage, event);
                fault = checker.check(form, model);
            } catch (const std::exception &error) {
                fault = QStringLiteral("the handler threw: %1").arg(error.what());
            }
            if (fault.isEmpty())
                continue;
            const QString where = QStringLiteral("seed %1, event %2").arg(seed).arg(n);
            const QString message = QStringLiteral("%1 (%2): %3\nlast events:\n%4")
                                        .arg(where, event.describe(), fault, history.describe());
            QFAIL(qPrintable(message));
        }
        // The mix of events has to reach every part of the game, or the play proves little.
        QVERIFY(coverage.closedBoards > 0);
        QVERIFY(coverage.ignoredClicks > 0);
        QVERIFY(coverage.takeBacks > 0);
        QVERIFY(coverage.solutionsShown > 0);
        QVERIFY(coverage.settingChanges > 0);
    }
};

QTEST_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
