// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace game {

/// The number of symbols in the palette: at start-up, and its limits.
inline constexpr int StartSymbols = 6;
inline constexpr int MinSymbols = 4;
inline constexpr int MaxSymbols = 8;

/// The limits of the number of places in the code.
inline constexpr int MinPlaces = 4;
inline constexpr int MaxPlaces = 6;

/// The row counter at which the solution may be shown: nine rows have been scored.
inline constexpr int RevealRow = 10;

/// The first row that cannot be played: its guess symbols would take indices that markers hold.
inline constexpr int FirstClosedRow = 30;

} // namespace game
