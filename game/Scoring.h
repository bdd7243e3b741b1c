// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Code.h"

#include <functional>

namespace game {

enum class Marker { Hit, Near };

/// Scores a full row of @p places places: calls @p lay for each marker in the order it is laid,
/// with the marker's column k (1, 2, ...). Hits come first, place by place; then each guess place
/// in turn takes the lowest unconsumed secret place that holds its symbol. @p work receives a
/// copy of the secret, and the cells of @p guess and @p work that make a marker become 0.
void scoreRow(Code &guess, Code &work, const Code &secret, int places,
    const std::function<void(Marker, int k)> &lay);

} // namespace game
