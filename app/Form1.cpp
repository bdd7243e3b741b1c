// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "app/Layout.h"
#include "game/Board.h"
#include "game/Settings.h"
#include "host/ClientArea.h"
#include "host/Conversions.h"
#include "host/Events.h"
#include "host/Fonts.h"
#include "host/ImageFiles.h"
#include "host/Twips.h"
#include "tiles/Tile.h"

#include <QIcon>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using host::toIndex;
using host::toNumber;
using host::toText;
using layout::Bounds;

namespace {

// Settings and counters are held as text and read afresh at every step that needs them.
double read(const host::Label *label)
{
    return toNumber(label->caption());
}

double read(const host::TextBox *box)
{
    return toNumber(box->text());
}

void write(host::Label *label, double number)
{
    label->write(toText(number));
}

void setBounds(host::ClientArea &area, QWidget *control, Bounds twips)
{
    area.put(control, twips.left, twips.top, twips.width, twips.height);
}

void setBounds(host::ImageElement &element, Bounds twips)
{
    element.setTwipsSize(static_cast<float>(twips.width), static_cast<float>(twips.height));
    element.setTwipsLeft(static_cast<float>(twips.left));
    element.setTwipsTop(static_cast<float>(twips.top));
}

QRectF toRectF(game::Rect twips)
{
    return {twips.left, twips.top, twips.width, twips.height};
}

} // namespace

Form1::Form1(std::unique_ptr<host::RandomSource> random, QWidget *parent)
    : host::Window(parent), m_random(std::move(random))
{
    setWindowTitle(QStringLiteral("Vorn"));
    // The icon theme's pictures of the icon rather than the ICO, which would need an image
    // format plugin; each is drawn for its size.
    setWindowIcon(host::readIcon({QStringLiteral(":/pictures/vorn-16.png"),
        QStringLiteral(":/pictures/vorn-32.png"), QStringLiteral(":/pictures/vorn-48.png")}));
    setFont(host::sansSerif(8.25));
    // The stored client size is the least the window takes; it grows with the board.
    const QSize client(host::toPixels(layout::ClientWidth), host::toPixels(layout::ClientHeight));
    setMinimumSize(client);
    resize(client);
    clientArea().setScrolling(game::rowsTop(), game::Pitch);

    createButtons();
    createBoxes();
    createPictures();
    createLabels();
    connectEvents();
    keepTheBoardInView();
    Command1->setFocus();

    host::runHandler("Form_Load", [this] { Form_Load(); });
}

void Form1::createButtons()
{
    const auto button = [this](const char *caption, const char *tip, Bounds twips, qreal points) {
        auto *button = new QPushButton(QString::fromLatin1(caption), this);
        button->setToolTip(QString::fromLatin1(tip));
        button->setFont(host::sansSerif(points, true));
        setBounds(clientArea(), button, twips);
        return button;
    };
    Command6 = button(">", " Povecaj broj mesta ", layout::Command6, 8.25);
    Command5 = button("<", " Smanji broj mesta ", layout::Command5, 8.25);
    Command4 = button(">", " Povecaj broj simbola ", layout::Command4, 8.25);
    Command3 = button("<", " Smanji broj simbola ", layout::Command3, 8.25);
    Command2 = button("?", " Prikaz resenja ", layout::Command2, 9.75);
    Command1 = button("Nova igra", " Nova igra ", layout::Command1, 9.75);

    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command6);
    setTabOrder(Command6, Command2);
}

void Form1::createBoxes()
{
    // The settings boxes are disabled, not read-only: they take neither focus nor typing.
    const auto box = [this](const char *text, Bounds twips) {
        auto *box = new host::TextBox(QString::fromLatin1(text), this);
        box->setFont(host::sansSerif(9.75, true));
        box->setAlignment(Qt::AlignCenter);
        box->setEnabled(false);
        setBounds(clientArea(), box, twips);
        return box;
    };
    Text2 = box("4", layout::Text2);
    Text1 = box("6", layout::Text1);

    setTabOrder(Command2, Text1);
    setTabOrder(Text1, Text2);
}

void Form1::createLabels()
{
    const auto label = [this](const char *caption, Bounds twips) {
        auto *label = new host::Label(QString::fromLatin1(caption), this);
        label->setVisible(false);
        setBounds(clientArea(), label, twips);
        return label;
    };
    Label4 = label("Label4", layout::Label4);
    Label4->setFont(host::sansSerif(9.75, true));
    Label3 = label("301", layout::Label3);
    Label2 = label("1", layout::Label2);
    Label1 = label("1", layout::Label1);
}

void Form1::createPictures()
{
    for (int i = 9; i >= 0; --i) {
        host::ImageElement &picture = Slika.addStored(static_cast<qint16>(i));
        picture.setVisible(false);
        setBounds(picture, layout::Slika.at(static_cast<std::size_t>(i)));
        picture.setPicture(
            host::Picture(i, host::readBitmap(QStringLiteral(":/pictures/slika%1.bmp").arg(i)),
                [i](QSize size) { return tiles::drawForScreen(i, size); }));
    }

    host::ImageElement &original = Znak.addStored(game::TemplateIndex);
    setBounds(original, layout::Template);
    original.setStretch(true);
}

void Form1::connectEvents()
{
    host::connectClick(Command1, "Command1_Click", [this] { Command1_Click(); });
    host::connectClick(Command2, "Command2_Click", [this] { Command2_Click(); });
    host::connectClick(Command3, "Command3_Click", [this] { Command3_Click(); });
    host::connectClick(Command4, "Command4_Click", [this] { Command4_Click(); });
    host::connectClick(Command5, "Command5_Click", [this] { Command5_Click(); });
    host::connectClick(Command6, "Command6_Click", [this] { Command6_Click(); });
    Znak.setClickHandler("Znak_Click", [this](qint16 index) { Znak_Click(index); });
    Znak.setDoubleClickHandler("Znak_DblClick", [this](qint16 index) { Znak_DblClick(index); });
    Text2->setChangeHandler([this] { Text2_Change(); });
    Label1->setChangeHandler([this] { Label1_Change(); });
}

void Form1::keepTheBoardInView()
{
    // The place the next palette click fills stays in view, and the board's whole width with
    // it: after every change of the board, and at once when the place count changes.
    host::ClientArea &area = clientArea();
    area.setContent([this] {
        const double row = std::min(read(Label1), game::FirstClosedRow - 1.0);
        return host::ClientArea::Content {toRectF(game::boardExtent(row, read(Text2))),
            toRectF(game::placeRect(row, read(Label2)))};
    });
    connect(&Znak, &host::ImageArray::created, &area, &host::ClientArea::contentChanged);
    connect(&Znak, &host::ImageArray::removed, &area, &host::ClientArea::contentChanged);
    connect(Text2, &host::TextBox::changed, &area, &host::ClientArea::contentChanged);
}

// Start-up and new game

void Form1::Form_Load()
{
    m_random->seedFromClock();
    Znak[game::TemplateIndex].setVisible(false);
    for (int i = 1; i <= game::StartSymbols; ++i)
        showPaletteSymbol(i);
    Command1_Click();
}

void Form1::showPaletteSymbol(double symbol)
{
    host::ImageElement &element = Znak.create(toIndex(symbol));
    element.setTwipsTop(game::PaletteTop);
    element.setTwipsLeft(static_cast<float>(game::columnLeft(symbol)));
    element.setPicture(Slika[toIndex(game::symbolPicture(static_cast<int>(symbol)))].picture());
    element.setVisible(true);
}

void Form1::Command1_Click()
{
    Command2->setEnabled(false);
    Label4->setVisible(false);
    Label4->write(QString());

    // Draw the code, one random number a place, and spell it out as the solution text.
    const double places = read(Text2);
    for (int i = 1; i <= places; ++i) {
        const float r = m_random->next();
        const double symbols = read(Text1);
        SecretCode[i] = std::floor(symbols * static_cast<double>(r) + 1);
        Label4->write(Label4->caption() + toText(SecretCode[i]) + QLatin1Char(' '));
    }

    // Clear the board the counters describe: scored rows, the unfinished row, the markers.
    // The counters are reset only afterwards.
    const double rows = read(Label1);
    for (int i = 1; i <= rows - 1; ++i) {
        const double rowPlaces = read(Text2);
        for (int j = 1; j <= rowPlaces; ++j)
            Znak.remove(toIndex(game::guessIndex(i, j)));
    }
    const double filled = read(Label2);
    for (int j = 1; j <= filled - 1; ++j)
        Znak.remove(toIndex(game::guessIndex(read(Label1), j)));
    const double markers = read(Label3);
    for (int k = game::FirstMarkerIndex; k <= markers - 1; ++k)
        Znak.remove(toIndex(k));

    write(Label1, 1);
    write(Label2, 1);
    write(Label3, game::FirstMarkerIndex);
}

// Guess entry, take-back and scoring

void Form1::Znak_Click(qint16 Index)
{
    if (Index >= game::FirstTakeBackIndex)
        takeBack(Index);
    else
        placeSymbol(Index);
}

void Form1::Znak_DblClick(qint16 Index)
{
    Znak_Click(Index);
}

void Form1::placeSymbol(qint16 clicked)
{
    // Rows from the thirtieth on would need indices that markers hold: the board is full until
    // the next new game.
    if (read(Label1) >= game::FirstClosedRow)
        return;

    GuessCode[toIndex(read(Label2))] = clicked;
    const double newIndex = game::guessIndex(read(Label1), read(Label2));
    host::ImageElement &symbol = Znak.create(toIndex(newIndex));
    symbol.setPicture(Znak[clicked].picture());
    symbol.setTwipsTop(static_cast<float>(game::rowTop(read(Label1))));
    symbol.setTwipsLeft(static_cast<float>(game::columnLeft(read(Label2))));
    symbol.setVisible(true);

    // The place counter still names the place just filled: the row is full when it is the last.
    if (Text2->text() == Label2->caption())
        game::scoreRow(GuessCode, WorkCode, SecretCode, static_cast<int>(read(Text2)),
            [this](game::Marker marker, int k) { layMarker(marker, k); });

    write(Label2, read(Label2) + 1);
    if (read(Text2) + 1 == read(Label2)) {
        write(Label1, read(Label1) + 1);
        write(Label2, 1);
    }
}

void Form1::layMarker(game::Marker marker, int k)
{
    // The counter names the next free index before the marker exists.
    const QString index = Label3->caption();
    write(Label3, read(Label3) + 1);
    host::ImageElement &element = Znak.create(toIndex(toNumber(index)));
    const int picture = marker == game::Marker::Hit ? game::HitPicture : game::NearPicture;
    element.setPicture(Slika[static_cast<qint16>(picture)].picture());
    element.setTwipsTop(static_cast<float>(game::rowTop(read(Label1))));
    element.setTwipsLeft(static_cast<float>(game::markerLeft(read(Text2), k)));
    element.setVisible(true);
}

void Form1::takeBack(qint16 clicked)
{
    // Only the last symbol of the unfinished row goes back.
    if (game::guessIndex(read(Label1), read(Label2)) - 1 == clicked) {
        Znak.remove(clicked);
        write(Label2, read(Label2) - 1);
    }
}

// Settings and solution reveal

void Form1::Command2_Click()
{
    Label4->setVisible(Label4->isHidden());
}

void Form1::Command3_Click()
{
    if (!(read(Text1) > game::MinSymbols))
        return;
    Text1->write(toText(read(Text1) - 1));
    Znak.remove(toIndex(read(Text1) + 1));
    Command1_Click();
}

void Form1::Command4_Click()
{
    if (!(read(Text1) < game::MaxSymbols))
        return;
    Text1->write(toText(read(Text1) + 1));
    showPaletteSymbol(toNumber(Text1->text()));
    Command1_Click();
}

void Form1::Command5_Click()
{
    // The board goes first, while the place count still describes its rows.
    Command1_Click();
    if (read(Text2) > game::MinPlaces)
        Text2->write(toText(read(Text2) - 1));
}

void Form1::Command6_Click()
{
    Command1_Click();
    if (read(Text2) < game::MaxPlaces)
        Text2->write(toText(read(Text2) + 1));
}

void Form1::Text2_Change()
{
    Command1_Click();
}

void Form1::Label1_Change()
{
    if (read(Label1) == game::RevealRow)
        Command2->setEnabled(true);
}
