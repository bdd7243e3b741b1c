// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "app/Form1.h"
#include "game/Board.h"
#include "host/Conversions.h"

#include <QPushButton>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

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
    // The counters are never shown, so nothing reads these names. Having names of their own
    // keeps the labels from announcing every new caption as a change of name.
    window.Label1->setAccessibleName(QStringLiteral("Brojac redova"));
    window.Label2->setAccessibleName(QStringLiteral("Brojac mesta"));
    window.Label3->setAccessibleName(QStringLiteral("Brojac znakova"));

    for (const qint16 i : window.Slika.indices())
        describe(&window.Slika[i], pictureName(i), QStringLiteral("Sacuvana slika"));
}

// Names a board picture from its index, its picture and its Top, once it is shown.
void describeElement(Form1 &window, qint16 index)
{
    host::ImageElement &element = window.Znak[index];
    switch (game::elementAt(index)) {
    case game::Element::Palette: {
        const QString name = pictureName(game::symbolPicture(index));
        describe(&element, QStringLiteral("Simbol %1: %2").arg(index).arg(name),
            QStringLiteral("Stavlja %1 na sledece mesto u redu").arg(name));
        element.setPressable(true);
        break;
    }
    case game::Element::Guess:
        describe(&element,
            QStringLiteral("%1, red %2, mesto %3")
                .arg(pictureName(pictureOf(element)))
                .arg(game::guessRow(index))
                .arg(game::guessPlace(index)),
            QStringLiteral("Pokusaj; klik na poslednji postavljeni simbol ga vraca"));
        element.setPressable(true);
        break;
    case game::Element::Marker: {
        const bool hit = pictureOf(element) == game::HitPicture;
        describe(&element,
            QStringLiteral("%1, red %2")
                .arg(pictureName(hit ? game::HitPicture : game::NearPicture))
                .arg(game::rowAt(element.twipsTop())),
            hit ? QStringLiteral("Pravi simbol na pravom mestu")
                : QStringLiteral("Pravi simbol na drugom mestu"));
        break;
    }
    case game::Element::Template:
        break;
    }
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

// Tells the score of @p row in the description of each of its symbols.
void describeScore(Form1 &window, int row)
{
    int hits = 0;
    int nears = 0;
    for (const qint16 index : window.Znak.indices()) {
        const host::ImageElement &element = window.Znak[index];
        if (game::elementAt(index) == game::Element::Marker
            && game::rowAt(element.twipsTop()) == row)
            ++(pictureOf(element) == game::HitPicture ? hits : nears);
    }
    const QString text = score(hits, nears);
    for (const qint16 index : window.Znak.indices())
        if (game::elementAt(index) == game::Element::Guess && game::guessRow(index) == row)
            window.Znak[index].setAccessibleDescription(text);
}

// The top band left to right, then the palette, then the rows top to bottom, each row's symbols
// before its markers. The window leaves out whatever is hidden.
QList<QWidget *> readingOrder(const Form1 &window)
{
    QList<QWidget *> order {window.Command1, window.Command3, window.Text1, window.Command4,
        window.Command5, window.Text2, window.Command6, window.Command2, window.Label4};
    // Sorted by row (the palette is row 0), then symbols before markers, then index.
    std::vector<std::tuple<int, bool, qint16>> board;
    for (const qint16 index : window.Znak.indices()) {
        switch (game::elementAt(index)) {
        case game::Element::Palette:
            board.emplace_back(0, false, index);
            break;
        case game::Element::Guess:
            board.emplace_back(game::guessRow(index), false, index);
            break;
        case game::Element::Marker:
            board.emplace_back(game::rowAt(window.Znak[index].twipsTop()), true, index);
            break;
        case game::Element::Template:
            break;
        }
    }
    std::ranges::sort(board);
    for (const auto &[row, marker, index] : board)
        order.append(&window.Znak[index]);
    return order;
}

// Reads the solution as one line, without the blank that ends it.
void nameSolution(Form1 &window)
{
    window.Label4->setAccessibleName(
        QStringLiteral("Resenje: ") + window.Label4->caption().trimmed());
}

} // namespace

void attach(Form1 &window)
{
    window.setReadingOrder([&window] { return readingOrder(window); });
    describeControls(window);
    // The first game has been dealt: the palette is there, the board holds nothing yet.
    for (const qint16 index : window.Znak.indices())
        if (!window.Znak[index].isHidden())
            describeElement(window, index);

    QObject::connect(&window.Znak, &host::ImageArray::shown, &window,
        [&window](qint16 index) { describeElement(window, index); });
    // The row counter moves on once a row has been scored, with all its markers laid.
    QObject::connect(window.Label1, &host::Label::changed, &window, [&window] {
        const double row = host::toNumber(window.Label1->caption());
        if (row > 1)
            describeScore(window, static_cast<int>(row) - 1);
    });
    QObject::connect(
        window.Label4, &host::Label::shown, &window, [&window] { nameSolution(window); });
}

} // namespace accessibility
