// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "app/Form1.h"
#include "game/Board.h"

#include <QPushButton>

#include <array>
#include <map>
#include <optional>

namespace accessibility {

namespace {

// The stored pictures' names, by picture number.
constexpr std::array<const char *, 10> PictureNames {
    "pik", "karo", "herc", "tref", "smesko", "zvono", "kljuc", "nota", "crveni znak", "beli znak"};

QString pictureName(int picture)
{
    if (picture < 0 || picture >= static_cast<int>(PictureNames.size()))
        return QStringLiteral("slika");
    return QString::fromLatin1(PictureNames.at(static_cast<std::size_t>(picture)));
}

// The stored picture that an element shows, or -1.
int pictureOf(const host::ImageElement &element)
{
    return element.picture().number();
}

void describe(QWidget *widget, const QString &name, const QString &description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void describeControls(Form1 &window)
{
    describe(window.Command1, QStringLiteral("Nova igra"),
        QStringLiteral("Zapocinje novu igru sa novim tajnim kodom"));
    describe(window.Command2, QStringLiteral("Prikaz resenja"),
        QStringLiteral("Prikazuje ili skriva tajni kod posle devetog reda"));
    describe(window.Command3, QStringLiteral("Manje simbola"),
        QStringLiteral("Smanjuje broj simbola u paleti i zapocinje novu igru"));
    describe(window.Command4, QStringLiteral("Vise simbola"),
        QStringLiteral("Povecava broj simbola u paleti i zapocinje novu igru"));
    describe(window.Command5, QStringLiteral("Manje mesta"),
        QStringLiteral("Smanjuje broj mesta u kodu i zapocinje novu igru"));
    describe(window.Command6, QStringLiteral("Vise mesta"),
        QStringLiteral("Povecava broj mesta u kodu i zapocinje novu igru"));
    describe(window.Text1, QStringLiteral("Broj simbola"),
        QStringLiteral("Koliko simbola ima paleta, od 4 do 8"));
    describe(window.Text2, QStringLiteral("Broj mesta"),
        QStringLiteral("Koliko mesta ima tajni kod, od 4 do 6"));
    describe(window.Label4, QStringLiteral("Resenje"),
        QStringLiteral("Tajni kod, broj simbola za svako mesto"));
    // Shown, the solution is read as one line.
    window.Label4->setSpokenName(QStringLiteral("Resenje: %1"));
    // The counters are never shown, so nothing reads these names. Having names of their own
    // keeps the labels from announcing every new caption as a change of name.
    window.Label1->setAccessibleName(QStringLiteral("Brojac redova"));
    window.Label2->setAccessibleName(QStringLiteral("Brojac mesta"));
    window.Label3->setAccessibleName(QStringLiteral("Brojac znakova"));

    for (const qint16 i : window.Slika.indices())
        describe(&window.Slika[i], pictureName(i), QStringLiteral("Sacuvana slika"));
}

// A number of markers of one colour; a row has at most six. In Serbian one takes the singular,
// two to four the paucal, five and more the genitive plural.
QString count(int markers, const char *one, const char *few, const char *many)
{
    const char *form = markers == 1 ? one : markers <= 4 ? few : many;
    return QStringLiteral("%1 %2").arg(markers).arg(QLatin1String(form));
}

QString score(int hits, int nears)
{
    QStringList parts;
    if (hits > 0)
        parts << count(hits, "crveni", "crvena", "crvenih");
    if (nears > 0)
        parts << count(nears, "beli", "bela", "belih");
    return parts.isEmpty() ? QStringLiteral("nema znakova") : parts.join(QStringLiteral(", "));
}

// Where the window's controls are read: the top band left to right, then the palette, then the
// rows top to bottom, each row's symbols before its markers.
host::Window::ReadingPlace bandPlace(int position)
{
    return {0, position, 0};
}

host::Window::ReadingPlace boardPlace(int row, bool marker, qint16 index)
{
    return {1 + row, marker ? 1 : 0, index};
}

// What a screen reader is told of the board, learnt as each element is laid and kept: a guess
// symbol's row and place come from its index; a marker's row is that of the symbol whose placing
// laid it, the row's last, which the scoring follows at once.
class SpokenBoard : public QObject
{
public:
    explicit SpokenBoard(Form1 &window) : QObject(&window), m_window(window) { }

    // Names a board picture once it is shown, with its picture and place, and reads it in order.
    void laid(qint16 index)
    {
        host::ImageElement &element = m_window.Znak[index];
        switch (game::elementAt(index)) {
        case game::Element::Palette:
            describePalette(element, index);
            break;
        case game::Element::Guess:
            m_row = game::guessRow(index);
            describeGuess(element, index);
            break;
        case game::Element::Marker:
            describeMarker(element, index);
            break;
        case game::Element::Template:
            break;
        }
    }

    void removed(qint16 index)
    {
        // A symbol taken back, or a new game: no row is being scored.
        if (game::elementAt(index) == game::Element::Guess)
            m_row.reset();
        m_markers.erase(index);
    }

    // The row counter has moved on: after a row has been scored, with all its markers laid, or
    // at a new game, which has taken every symbol off first.
    void rowAdvanced()
    {
        if (m_row)
            describeScore(*m_row);
        m_row.reset();
    }

private:
    struct Marker
    {
        int row;
        bool hit;
    };

    void describePalette(host::ImageElement &element, qint16 index)
    {
        const QString name = pictureName(game::symbolPicture(index));
        describe(&element, QStringLiteral("Simbol %1: %2").arg(index).arg(name),
            QStringLiteral("Stavlja %1 na sledece mesto u redu").arg(name));
        element.setPressable(true);
        m_window.setReadingPlace(&element, boardPlace(0, false, index));
    }

    void describeGuess(host::ImageElement &element, qint16 index)
    {
        const int row = game::guessRow(index);
        describe(&element,
            QStringLiteral("%1, red %2, mesto %3")
                .arg(pictureName(pictureOf(element)))
                .arg(row)
                .arg(game::guessPlace(index)),
            QStringLiteral("Pokusaj; klik na poslednji postavljeni simbol ga vraca"));
        element.setPressable(true);
        m_window.setReadingPlace(&element, boardPlace(row, false, index));
    }

    void describeMarker(host::ImageElement &element, qint16 index)
    {
        const Marker marker {m_row.value_or(0), pictureOf(element) == game::HitPicture};
        m_markers[index] = marker;
        describe(&element,
            QStringLiteral("%1, red %2")
                .arg(pictureName(marker.hit ? game::HitPicture : game::NearPicture))
                .arg(marker.row),
            marker.hit ? QStringLiteral("Pravi simbol na pravom mestu")
                       : QStringLiteral("Pravi simbol na drugom mestu"));
        m_window.setReadingPlace(&element, boardPlace(marker.row, true, index));
    }

    // Tells the score of @p row in the description of each of its symbols.
    void describeScore(int row)
    {
        int hits = 0;
        int nears = 0;
        for (const auto &[index, marker] : m_markers)
            if (marker.row == row)
                ++(marker.hit ? hits : nears);
        const QString text = score(hits, nears);
        for (const qint16 index : m_window.Znak.indices())
            if (game::elementAt(index) == game::Element::Guess && game::guessRow(index) == row)
                m_window.Znak[index].setAccessibleDescription(text);
    }

    Form1 &m_window;
    std::optional<int> m_row; // the row whose symbols are being laid
    std::map<qint16, Marker> m_markers;
};

void placeBand(Form1 &window)
{
    const QList<QWidget *> band {window.Command1, window.Command3, window.Text1, window.Command4,
        window.Command5, window.Text2, window.Command6, window.Command2, window.Label4};
    for (int i = 0; i < band.size(); ++i)
        window.setReadingPlace(band.at(i), bandPlace(i));
}

} // namespace

void attach(Form1 &window)
{
    describeControls(window);
    placeBand(window);
    auto *board = new SpokenBoard(window);
    // The first game has been dealt: the palette is there, the board holds nothing yet.
    for (const qint16 index : window.Znak.indices())
        if (!window.Znak[index].isHidden())
            board->laid(index);

    QObject::connect(&window.Znak, &host::ImageArray::shown, board, &SpokenBoard::laid);
    QObject::connect(&window.Znak, &host::ImageArray::removed, board, &SpokenBoard::removed);
    QObject::connect(window.Label1, &host::Label::changed, board, &SpokenBoard::rowAdvanced);
}

} // namespace accessibility
