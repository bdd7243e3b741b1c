// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Board.h"

#include <array>

/// The window's stored layout: the size of its client area and the rectangle of every stored
/// control, in twips from the top-left corner of the client area. What the handlers lay out on
/// the board at run time follows the board geometry of game/Board.h instead.
namespace layout {

/// A stored rectangle, in twips.
struct Bounds
{
    int left, top, width, height;
};

/// The client area as stored: the least the window takes.
inline constexpr int ClientWidth = 6480;
inline constexpr int ClientHeight = 7635;

/// The buttons along the top edge.
inline constexpr Bounds Command1 {120, 120, 1335, 375};
inline constexpr Bounds Command2 {3960, 120, 375, 375};
inline constexpr Bounds Command3 {1680, 120, 255, 375};
inline constexpr Bounds Command4 {2280, 120, 255, 375};
inline constexpr Bounds Command5 {2760, 120, 255, 375};
inline constexpr Bounds Command6 {3360, 120, 255, 375};

/// The setting boxes, each between its two buttons.
inline constexpr Bounds Text1 {1920, 120, 360, 360};
inline constexpr Bounds Text2 {3000, 120, 360, 360};

/// The hidden counters, and the solution.
inline constexpr Bounds Label1 {5160, 0, 255, 255};
inline constexpr Bounds Label2 {5400, 0, 255, 255};
inline constexpr Bounds Label3 {5760, 0, 375, 255};
inline constexpr Bounds Label4 {4440, 240, 1335, 255};

/// The template, Znak element 0, whose square every board element copies.
inline constexpr Bounds Template {240, 600, game::SymbolSize, game::SymbolSize};

/// The stored pictures, Slika elements 0 to 9, hidden: two rows of five, each picture at its
/// own size.
inline constexpr std::array<Bounds, 10> Slika {{
    {240, 1200, 750, 690},
    {960, 1200, 750, 690},
    {1680, 1200, 750, 690},
    {2400, 1200, 750, 690},
    {3120, 1200, 750, 690},
    {240, 1920, 750, 690},
    {960, 1920, 750, 690},
    {1680, 1920, 750, 690},
    {2400, 1920, 750, 690},
    {3120, 1920, 750, 690},
}};

} // namespace layout
