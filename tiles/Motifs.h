// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRect>
#include <QRgb>
#include <QTransform>

#include <span>
#include <string_view>
#include <vector>

namespace tiles {

/// The colours the tiles are drawn in: the frame's and the motifs'.
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb Grey = qRgb(128, 128, 128);
inline constexpr QRgb Silver = qRgb(192, 192, 192);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb Red = qRgb(255, 0, 0);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);

/// The colour that a motif's grid and shapes name by @p ink: k black, g grey, w white, r red,
/// y yellow, and f @p fill, the motif's own. Throws std::logic_error for any other.
QRgb inkColour(char ink, QRgb fill);

/// The face of a tile being drawn, addressed in tile units: the pixels of the stored tile.
/// Positions that should fall on a pixel edge are moved to the nearest edge of a device pixel,
/// so that straight edges stay sharp and only curves are smoothed.
class Face
{
public:
    /// The stored tile's face @p stored, laid onto @p device, in device pixels.
    Face(const QRect &stored, const QRect &device);

    /// From tile units to device pixels.
    const QTransform &toDevice() const { return m_toDevice; }

    /// The position nearest to @p x (or @p y) that lies on a device pixel edge, in tile units.
    qreal edgeX(qreal x) const;
    qreal edgeY(qreal y) const;
    /// A rectangle from @p left, @p top to @p right, @p bottom, its sides on pixel edges.
    QRectF box(qreal left, qreal top, qreal right, qreal bottom) const;
    QPainterPath rect(qreal left, qreal top, qreal right, qreal bottom) const;
    /// The ellipse that fills box(left, top, right, bottom).
    QPainterPath ellipse(qreal left, qreal top, qreal right, qreal bottom) const;

private:
    QTransform m_toDevice;
};

/// Shapes in tile units.
using Shapes = std::vector<QPainterPath>;

/// Shapes of one ink, painted together.
struct Layer
{
    Shapes shapes;
    char ink;
};
using Layers = std::vector<Layer>;

/// One picture's motif, whole: the grid that its stored bitmap is drawn from, pixel for pixel,
/// and the shapes that draw it at any other size, both in the same place and colours.
struct Motif
{
    /// The stored motif, a character a cell, each an ink or '.' where the face shows through;
    /// it is centred on the stored tile's face.
    std::span<const std::string_view> grid;
    /// Pixels a cell of the grid covers, across and down.
    int cell = 2;
    /// Whether the grid's steps are softened with tones between the motif and the face.
    bool soften = false;
    /// The colour of ink f.
    QRgb fill = Silver;
    /// The shapes, layer by layer in the order they are painted, laid out on @p face.
    Layers (*shapes)(const Face &face) = nullptr;
};

/// The motif of stored picture @p picture, 0 to 9; none for any other number.
const Motif *motif(int picture);

} // namespace tiles
