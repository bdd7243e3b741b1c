// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRect>
#include <QTransform>

#include <vector>

namespace tiles {

/// Lays the motifs out in tile units, the pixels of the stored 50 x 46 tile, onto the face of
/// a tile drawn in device pixels. Positions that should fall on a pixel edge are moved to the
/// nearest one, so that straight edges stay sharp and only curves are smoothed.
class MotifPen
{
public:
    /// A pen that maps the stored tile's face onto @p face, in device pixels.
    explicit MotifPen(const QRect &face);

    /// From tile units to device pixels.
    const QTransform &transform() const { return m_transform; }

    /// The position nearest to @p x (or @p y) that lies on a device pixel edge, in tile units.
    qreal edgeX(qreal x) const;
    qreal edgeY(qreal y) const;
    /// A rectangle from @p left, @p top to @p right, @p bottom, its sides on pixel edges.
    QRectF box(qreal left, qreal top, qreal right, qreal bottom) const;
    QPainterPath rect(qreal left, qreal top, qreal right, qreal bottom) const;
    /// The ellipse that fills box(left, top, right, bottom).
    QPainterPath ellipse(qreal left, qreal top, qreal right, qreal bottom) const;

private:
    QTransform m_transform;
};

/// One colour of a motif: the shapes it covers, in tile units, painted together.
struct MotifLayer
{
    std::vector<QPainterPath> shapes;
    QColor colour;
};

/// The motif of stored picture @p picture, 0 to 9, as layers painted in order; none for any
/// other number.
std::vector<MotifLayer> motif(int picture, const MotifPen &pen);

} // namespace tiles
