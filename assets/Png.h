// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Bytes.h"

namespace pictures {

/// Encodes a square RGBA picture, @p size pixels across, row by row from the top, as a PNG file.
/// The same pixels always give the same bytes.
Bytes encodePng(int size, const std::vector<Rgba> &pixels);

} // namespace pictures
