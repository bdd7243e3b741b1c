// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace tiles {

/// Stored picture @p picture, 0 to 9, drawn to fill @p size device pixels: the raised frame in
/// the stored tile's proportions on whole pixels, and the motif from its shapes. The stored
/// tile is 50 x 46 pixels; on the board it fills a square, and so does this.
QImage drawTile(int picture, QSize size);

} // namespace tiles
