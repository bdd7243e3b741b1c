// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace game {

/// A code of up to six symbols, one cell a place; cell 0 is never used. A symbol is a whole
/// number from 1 up, and 0 marks a cell that scoring has consumed.
class Code
{
public:
    /// Cells 0 to 6; any other throws std::out_of_range.
    static constexpr int Cells = 7;

    double &operator[](int cell) { return m_cells.at(checked(cell)); }
    double operator[](int cell) const { return m_cells.at(checked(cell)); }

private:
    static std::size_t checked(int cell);

    std::array<double, Cells> m_cells {};
};

} // namespace game
