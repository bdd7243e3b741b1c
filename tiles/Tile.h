// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace tiles {

/// The size of a stored tile, in pixels. On the board a tile fills a square, and so does a tile
/// drawn for the screen, in the stored tile's proportions.
inline constexpr QSize StoredSize(50, 46);

/// Stored picture @p picture, 0 to 9, as its bitmap holds it: the raised frame, and the motif
/// drawn pixel for pixel from its grid. Throws std::logic_error for a grid that cannot be drawn.
QImage drawStored(int picture);

/// Stored picture @p picture, 0 to 9, drawn to fill @p size device pixels: the raised frame in
/// the stored tile's proportions on whole pixels, and the motif from its shapes.
QImage drawForScreen(int picture, QSize size);

} // namespace tiles
