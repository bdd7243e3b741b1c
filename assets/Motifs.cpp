// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ten motifs as shapes, in the units of the stored tile: its pixels, 50 across and 46 down,
// the face from 4, 4 to 44, 40. Each follows its picture in the stored bitmaps, in the same
// place and colours, so that a tile drawn for a large screen is the stored one made sharp.
#include "Motifs.h"

#include <QPainterPathStroker>

#include <cmath>

namespace pictures {

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);

constexpr QRectF storedFace(4, 4, 40, 36);

// The area a line of @p width covers along @p path, its ends cut square.
QPainterPath stroke(const QPainterPath &path, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

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
QPainterPath spade(const MotifPen &pen)
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
    return path.united(stem(pen, 27));
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
QPainterPath club(const MotifPen &pen)
{
    QPainterPath middle;
    middle.addPolygon(QPolygonF({{24, 13}, {15, 25}, {33, 25}}));
    middle.closeSubpath();
    return pen.ellipse(17, 6, 31, 20)
        .united(pen.ellipse(8, 18, 22, 32))
        .united(pen.ellipse(26, 18, 40, 32))
        .united(middle)
        .united(stem(pen, 24));
}

// A disc with an outline two units wide, in the tile's middle.
std::vector<MotifLayer> disc(const MotifPen &pen, const QColor &fill)
{
    return {{pen.ellipse(8, 6, 40, 38), black}, {pen.ellipse(10, 8, 38, 36), fill}};
}

std::vector<MotifLayer> smile(const MotifPen &pen)
{
    std::vector<MotifLayer> layers = disc(pen, yellow);
    QPainterPath eyes = pen.rect(18, 14, 22, 18);
    eyes.addPath(pen.rect(26, 14, 30, 18));
    QPainterPath mouth;
    const QRectF curve(14, 11, 20, 18);
    mouth.arcMoveTo(curve, 210);
    mouth.arcTo(curve, 210, 120);
    eyes.addPath(stroke(mouth, 2));
    layers.push_back({eyes, black});
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

// A loop on top, the clapper under the rim, then the outlined body over both.
std::vector<MotifLayer> bell(const MotifPen &pen)
{
    const QPainterPath loop = pen.ellipse(20, 5, 28, 12).subtracted(pen.ellipse(22, 7.5, 26, 10.5));
    const QPainterPath outside
        = bellShape(pen, 0, pen.edgeY(34)).united(loop).united(pen.ellipse(20, 30, 28, 38));
    return {{outside, black}, {bellShape(pen, 2, pen.edgeY(32)), yellow}};
}

// Lying on its side, pointing right: a ring at the left, the shaft, two teeth hanging down.
QPainterPath key(const MotifPen &pen)
{
    return pen.ellipse(8, 15, 22, 29)
        .subtracted(pen.ellipse(12, 19, 18, 25))
        .united(pen.rect(21, 21, 40, 23))
        .united(pen.rect(28, 23, 32, 27))
        .united(pen.rect(34, 23, 38, 27));
}

// An oval head tilted up to the right, the stem on its right, the flag curving down from the
// stem's top.
QPainterPath quaver(const MotifPen &pen)
{
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 9, 5.2);
    QPainterPath path = QTransform().translate(17.5, 32).rotate(-22).map(head);
    path.addPath(pen.rect(23, 7, 27, 31));
    QPainterPath flag;
    flag.moveTo(25.5, 8.5);
    flag.cubicTo(29.5, 13, 37, 15.5, 37, 22.5);
    flag.cubicTo(37, 26, 36.5, 28.5, 34.5, 31);
    path.addPath(stroke(flag, 3.5));
    path.setFillRule(Qt::WindingFill);
    return path;
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
    return QRectF(QPointF(edgeX(left), edgeY(top)), QPointF(edgeX(right), edgeY(bottom)));
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
        return {{diamond(pen), red}};
    case 2:
        return {{heart(pen), red}};
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

} // namespace pictures
