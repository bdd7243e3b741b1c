// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Bytes.h"

#include <QImage>

#include <array>
#include <string>

namespace pictures {

/// The sizes, in pixels across, of the icon theme's PNG icons.
constexpr std::array<int, 8> iconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

/// The window icon: one 32 x 32 picture in the 16 standard colours, with a transparency mask.
Bytes iconIco();

/// The icon drawn for @p size, one of iconSizes, on a clear square.
QImage iconImage(int size);

/// The icon as scalable vector shapes.
std::string iconSvg();

} // namespace pictures
