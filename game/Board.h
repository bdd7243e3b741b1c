// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each image on the board is, told by its index, and where it stands, in twips from the
// top-left corner of the window's client area.

namespace game {

/// Index of the template image, which every board image copies.
inline constexpr int TemplateIndex = 0;
/// The lowest index that a click takes for a take-back rather than a palette symbol.
inline constexpr int FirstTakeBackIndex = 9;
/// Index of the first marker of a game; later markers follow one by one.
inline constexpr int FirstMarkerIndex = 301;

/// What an image on the board is.
enum class Element { Template, Palette, Guess, Marker };

/// What the image with index @p index is: the template, a palette symbol below the take-back
/// threshold, a guess symbol below the first marker, a marker from there on.
constexpr Element elementAt(int index)
{
    if (index == TemplateIndex)
        return Element::Template;
    if (index < FirstTakeBackIndex)
        return Element::Palette;
    return index < FirstMarkerIndex ? Element::Guess : Element::Marker;
}

/// Whether the image with index @p index is a guess symbol or a marker, which a new game removes.
constexpr bool onBoard(int index)
{
    const Element element = elementAt(index);
    return element == Element::Guess || element == Element::Marker;
}

/// Stored pictures of the hit marker and the near marker; pictures 0 to 7 are the symbols.
inline constexpr int HitPicture = 8;
inline constexpr int NearPicture = 9;

/// Distance between two columns and between two rows.
inline constexpr int Pitch = 600;
/// Left edge of the first column.
inline constexpr int FirstLeft = 120;
/// Top of the palette.
inline constexpr int PaletteTop = 800;
/// Top of row 0; row 1 stands one pitch lower.
inline constexpr int BoardTop = 1000;
/// Width and height of every image on the board: the template's square.
inline constexpr int SymbolSize = 495;
/// The margin the board keeps from the edges of the window's client area.
inline constexpr int Margin = FirstLeft;

/// A rectangle in twips.
struct Rect
{
    double left, top, width, height;
};

/// Index of the guess symbol at @p place of @p row.
constexpr double guessIndex(double row, double place)
{
    return row * 10 + place;
}

/// The row and the place of the guess symbol with index @p index.
constexpr int guessRow(int index)
{
    return index / 10;
}
constexpr int guessPlace(int index)
{
    return index % 10;
}

/// Top of @p row of guesses.
constexpr double rowTop(double row)
{
    return row * Pitch + BoardTop;
}

/// The row of guesses whose Top is @p top.
constexpr int rowAt(double top)
{
    return static_cast<int>((top - BoardTop) / Pitch);
}

/// Left of palette symbol @p column, and of place @p column of every row.
constexpr double columnLeft(double column)
{
    return (column - 1) * Pitch + FirstLeft;
}

/// Left of the @p k-th marker of a row of @p places places.
constexpr double markerLeft(double places, double k)
{
    return Pitch * k + places * Pitch;
}

/// Top of the rows' area: one row gap above the first row. The palette and everything above it
/// stay in place while the rows scroll.
constexpr double rowsTop()
{
    return rowTop(1) - (Pitch - SymbolSize);
}

/// The board from the client area's top-left corner down to @p row, as wide as a row of
/// @p places places with all its markers, with a margin to the right and below.
constexpr Rect boardExtent(double row, double places)
{
    return {
        0, 0, markerLeft(places, places) + SymbolSize + Margin, rowTop(row) + SymbolSize + Margin};
}

/// Place @p place of @p row, with the margin below it.
constexpr Rect placeRect(double row, double place)
{
    return {columnLeft(place), rowTop(row), SymbolSize, SymbolSize + Margin};
}

/// The stored picture shown by palette symbol @p symbol.
constexpr int symbolPicture(int symbol)
{
    return symbol - 1;
}

} // namespace game
