// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Bytes.h"

#include <span>

namespace pictures {

/// A corner of a shape, in whole pixels from the top left corner of the picture.
struct Point
{
    int x = 0;
    int y = 0;
};

/// A filled convex polygon in one opaque colour.
struct Shape
{
    std::vector<Point> corners;
    Rgb colour;
};

/// Paints @p shapes in order onto a transparent square @p size pixels across, each pixel
/// covered in the share of its 16 x 16 sample points that a shape covers. Integer arithmetic
/// only, so that every machine draws the same pixels.
std::vector<Rgba> rasterize(std::span<const Shape> shapes, int size);

} // namespace pictures
