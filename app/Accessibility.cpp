// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "app/Form1.h"
#include "game/Board.h"

#include <QPushButton>

#include <array>

namespace accessibility {

namespace {

// The stored pictures' names, by picture number.
constexpr std::array<const char *, 10> PictureNames {
    "pik", "karo", "herc", "tref", "smesko", "zvono", "kljuc", "nota", "crveni znak", "beli znak"};

QString pictureName(int picture)
{
    return QString::fromLatin1(PictureNames.at(static_cast<std::size_t>(picture)));
}

void describe(QWidget *widget, const QString &name, const QString &description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

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
}

void describePicture(host::ImageElement &element, int picture)
{
    describe(&element, pictureName(picture), QStringLiteral("Sacuvana slika"));
}

void describePaletteSymbol(host::ImageElement &element, int symbol)
{
    const QString name = pictureName(symbol - 1);
    describe(&element, QStringLiteral("Simbol %1: %2").arg(symbol).arg(name),
        QStringLiteral("Stavlja %1 na sledece mesto u redu").arg(name));
}

void describeGuessSymbol(host::ImageElement &element, int symbol, int row, int place)
{
    describe(&element,
        QStringLiteral("%1, red %2, mesto %3").arg(pictureName(symbol - 1)).arg(row).arg(place),
        QStringLiteral("Pokusaj; klik na poslednji postavljeni simbol ga vraca"));
}

void describeMarker(host::ImageElement &element, bool hit)
{
    describe(&element, pictureName(hit ? game::HitPicture : game::NearPicture),
        hit ? QStringLiteral("Pravi simbol na pravom mestu")
            : QStringLiteral("Pravi simbol na drugom mestu"));
}

} // namespace accessibility
