// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Code.h"

#include <stdexcept>
#include <string>

namespace game {

std::size_t Code::checked(int cell)
{
    if (cell < 0 || cell >= Cells)
        throw std::out_of_range("subscript out of range: code cell " + std::to_string(cell));
    return static_cast<std::size_t>(cell);
}

} // namespace game
