// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ten motifs as shapes, in the units of the stored tile: its pixels, 50 across and 46 down,
// the face from 4, 4 to 44, 40. Each follows its picture in the stored bitmaps, in the same
// place and colours, so that a tile drawn for a large screen is the stored one made sharp.
#include "Motifs.h"

#include <cmath>

namespace tiles {

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);

constexpr QRectF storedFace(4, 4, 40, 36);

using Shapes = std::vector<QPainterPath>;

// The short stem of the spade and the club, flaring into a flat foot.
QPainterPath stem(const MotifPen &pen, qreal top)
{
    const qreal left = pen.edgeX(22), right = pen.edgeX(26);
    const qreal footLeft = pen.edgeX(16), footRight = pen.edgeX(32);
    const qreal footTop = pen.edgeY(36), footBottom = pen.edgeY(38);
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(right, top);
    path.lineTo(right, 32);
    path.cubicTo(right, 34.5, 28, footTop, footRight, footTop);
    path.lineTo(footRight, footBottom);
    path.lineTo(footLeft, footBottom);
    path.lineTo(footLeft, footTop);
    path.cubicTo(20, footTop, left, 34.5, left, 32);
    path.closeSubpath();
    return path;
}

// A pointed top widening to two rounded lobes, the one half the mirror of the other.
Shapes spade(const MotifPen &pen)
{
    const qreal top = pen.edgeY(6), left = pen.edgeX(8), right = pen.edgeX(40);
    QPainterPath path;
    path.moveTo(24, top);
    path.cubicTo(20, 10.5, left, 16, left, 24);
    path.cubicTo(left, 29.5, 11.5, 32, 16, 32);
    path.cubicTo(19.5, 32, 22, 30.5, 23, 28.5);
    path.lineTo(25, 28.5);
    path.cubicTo(26, 30.5, 28.5, 32, 32, 32);
    path.cubicTo(36.5, 32, right, 29.5, right, 24);
    path.cubicTo(right, 16, 28, 10.5, 24, top);
    path.closeSubpath();
    return {path, stem(pen, 27)};
}

QPainterPath diamond(const MotifPen &pen)
{
    const qreal top = pen.edgeY(6), bottom = pen.edgeY(38);
    const qreal left = pen.edgeX(8), right = pen.edgeX(40), middle = pen.edgeX(24);
    const qreal level = pen.edgeY(22);
    QPainterPath path;
    path.moveTo(middle, top);
    path.lineTo(right, level);
    path.lineTo(middle, bottom);
    path.lineTo(left, level);
    path.closeSubpath();
    return path;
}

// Two round lobes meeting in a notch, the sides curving in to a point; 27 wide, 30 high.
QPainterPath heart(const MotifPen &pen)
{
    const qreal left = pen.edgeX(10), right = pen.edgeX(37);
    const qreal top = pen.edgeY(7), bottom = pen.edgeY(37);
    const qreal middle = (left + right) / 2;
    const qreal lobe = (right - left) / 2;
    const qreal level = top + lobe / 2;
    QPainterPath path;
    path.moveTo(middle, bottom);
    path.cubicTo(middle - 3, 33, left, 25, left, level);
    path.arcTo(QRectF(left, top, lobe, lobe), 180, -180);
    path.arcTo(QRectF(middle, top, lobe, lobe), 180, -180);
    path.cubicTo(right, 25, middle + 3, 33, middle, bottom);
    path.closeSubpath();
    return path;
}

// Three round leaves around a solid middle, on the spade's stem.
Shapes club(const MotifPen &pen)
{
    QPainterPath middle;
    middle.addPolygon(QPolygonF({{24, 13}, {15, 25}, {33, 25}}));
    middle.closeSubpath();
    return {pen.ellipse(17, 6, 31, 20), pen.ellipse(8, 18, 22, 32), pen.ellipse(26, 18, 40, 32),
        middle, stem(pen, 24)};
}

// A disc with an outline two units wide, in the tile's middle.
std::vector<MotifLayer> disc(const MotifPen &pen, const QColor &fill)
{
    return {{{pen.ellipse(8, 6, 40, 38)}, black}, {{pen.ellipse(10, 8, 38, 36)}, fill}};
}

// The band between two arcs of @p outer and @p inner, from @p start through @p sweep degrees.
QPainterPath band(const QRectF &outer, const QRectF &inner, qreal start, qreal sweep)
{
    QPainterPath path;
    path.arcMoveTo(outer, start);
    path.arcTo(outer, start, sweep);
    path.arcTo(inner, start + sweep, -sweep);
    path.closeSubpath();
    return path;
}

std::vector<MotifLayer> smile(const MotifPen &pen)
{
    std::vector<MotifLayer> layers = disc(pen, yellow);
    const QPainterPath mouth = band(QRectF(13, 10, 22, 20), QRectF(15, 12, 18, 16), 210, 120);
    layers.push_back({{pen.rect(18, 14, 22, 18), pen.rect(26, 14, 30, 18), mouth}, black});
    return layers;
}

// The bell's outline, @p inset units inside its outer edge, down to @p bottom.
QPainterPath bellShape(const MotifPen &pen, qreal inset, qreal bottom)
{
    const qreal left = pen.edgeX(8 + inset), right = pen.edgeX(40 - inset);
    const qreal waist = 14 + inset, shoulder = 34 - inset, top = 10 + inset;
    QPainterPath path;
    path.moveTo(left, bottom);
    path.lineTo(right, bottom);
    path.lineTo(right, 30);
    path.cubicTo(right, 26, shoulder, 25.5, shoulder, 21);
    path.lineTo(shoulder, 17);
    path.cubicTo(shoulder, 12.5, 29.5, top, 24, top);
    path.cubicTo(18.5, top, waist, 12.5, waist, 17);
    path.lineTo(waist, 21);
    path.cubicTo(waist, 25.5, left, 26, left, 30);
    path.closeSubpath();
    return path;
}

// A loop on top, the clapper under the rim, then the outlined body over both. The loop's hole
// is a second ellipse inside the first, which the even-odd rule leaves open.
std::vector<MotifLayer> bell(const MotifPen &pen)
{
    QPainterPath loop = pen.ellipse(20, 5, 28, 12);
    loop.addPath(pen.ellipse(22, 7.5, 26, 10.5));
    return {{{bellShape(pen, 0, pen.edgeY(34)), loop, pen.ellipse(20, 30, 28, 38)}, black},
        {{bellShape(pen, 2, pen.edgeY(32))}, yellow}};
}

// Lying on its side, pointing right: a ring at the left, the shaft, two teeth hanging down.
Shapes key(const MotifPen &pen)
{
    QPainterPath ring = pen.ellipse(8, 15, 22, 29);
    ring.addPath(pen.ellipse(12, 19, 18, 25));
    return {ring, pen.rect(21, 21, 40, 23), pen.rect(28, 23, 32, 27), pen.rect(34, 23, 38, 27)};
}

// An oval head tilted up to the right, the stem on its right, the flag curving down from the
// stem's top to a square end.
Shapes quaver(const MotifPen &pen)
{
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 9, 5.2);
    QPainterPath flag;
    flag.moveTo(26, 7);
    flag.cubicTo(31, 12, 38.75, 14.5, 38.75, 22.5);
    flag.cubicTo(38.75, 26.5, 38, 29.5, 35.8, 32);
    flag.lineTo(33.2, 30);
    flag.cubicTo(35, 27.5, 35.25, 25.5, 35.25, 22.5);
    flag.cubicTo(35.25, 17, 29, 14.5, 26, 11);
    flag.closeSubpath();
    return {QTransform().translate(17.5, 32).rotate(-22).map(head), pen.rect(23, 7, 27, 31), flag};
}

} // namespace

MotifPen::MotifPen(const QRect &face)
{
    const qreal scaleX = face.width() / storedFace.width();
    const qreal scaleY = face.height() / storedFace.height();
    m_transform = QTransform(scaleX, 0, 0, scaleY, face.left() - storedFace.left() * scaleX,
        face.top() - storedFace.top() * scaleY);
}

qreal MotifPen::edgeX(qreal x) const
{
    return (std::round(x * m_transform.m11() + m_transform.dx()) - m_transform.dx())
        / m_transform.m11();
}

qreal MotifPen::edgeY(qreal y) const
{
    return (std::round(y * m_transform.m22() + m_transform.dy()) - m_transform.dy())
        / m_transform.m22();
}

QRectF MotifPen::box(qreal left, qreal top, qreal right, qreal bottom) const
{
    return {QPointF(edgeX(left), edgeY(top)), QPointF(edgeX(right), edgeY(bottom))};
}

QPainterPath MotifPen::rect(qreal left, qreal top, qreal right, qreal bottom) const
{
    QPainterPath path;
    path.addRect(box(left, top, right, bottom));
    return path;
}

QPainterPath MotifPen::ellipse(qreal left, qreal top, qreal right, qreal bottom) const
{
    QPainterPath path;
    path.addEllipse(box(left, top, right, bottom));
    return path;
}

std::vector<MotifLayer> motif(int picture, const MotifPen &pen)
{
    switch (picture) {
    case 0:
        return {{spade(pen), black}};
    case 1:
        return {{{diamond(pen)}, red}};
    case 2:
        return {{{heart(pen)}, red}};
    case 3:
        return {{club(pen), black}};
    case 4:
        return smile(pen);
    case 5:
        return bell(pen);
    case 6:
        return {{key(pen), black}};
    case 7:
        return {{quaver(pen), black}};
    case 8:
        return disc(pen, red);
    case 9:
        return disc(pen, white);
    default:
        return {};
    }
}

} // namespace tiles
