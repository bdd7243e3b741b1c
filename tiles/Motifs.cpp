// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ten motifs, one entry each: the grid that the stored 50 x 46 bitmap is drawn from, and
// the shapes that draw the motif at any other size. Both are in the units of the stored tile,
// its pixels, the face from 4, 4 to 44, 40; the shapes follow the grid in place and colours, so
// that a tile drawn for a large screen is the stored one made sharp. To change a picture, change
// its grid and its shapes together, then write the stored files again (see assets/).
//
// In the grids one character is one cell, most grids drawn with every cell doubled to 2 x 2
// pixels, and '.' lets the silver face show through. Grids and shapes name their colours by the
// same inks: k black, r red, y yellow, w white, g grey, f the motif's fill.
#include "Motifs.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tiles {

namespace {

// The short stem of the spade and the club, flaring into a flat foot.
QPainterPath stem(const Face &face, qreal top)
{
    const qreal left = face.edgeX(22), right = face.edgeX(26);
    const qreal footLeft = face.edgeX(16), footRight = face.edgeX(32);
    const qreal footTop = face.edgeY(36), footBottom = face.edgeY(38);
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

// ---------------------------------------------------------------------------------------------
// 0: a black spade, softened with grey tones in the stored tile. A pointed top widening to two
// rounded lobes, the one half the mirror of the other.

constexpr std::string_view spadeGrid[] = {
    ".......kk.......",
    "......kkkk......",
    ".....kkkkkk.....",
    "....kkkkkkkk....",
    "...kkkkkkkkkk...",
    "..kkkkkkkkkkkk..",
    ".kkkkkkkkkkkkkk.",
    ".kkkkkkkkkkkkkk.",
    "kkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkk",
    ".kkkkkkkkkkkkkk.",
    "..kkkk.kk.kkkk..",
    ".......kk.......",
    "......kkkk......",
    "....kkkkkkkk....",
};

Layers spadeShapes(const Face &face)
{
    const qreal top = face.edgeY(6), left = face.edgeX(8), right = face.edgeX(40);
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
    return {{{path, stem(face, 27)}, 'k'}};
}

constexpr Motif spade {.grid = spadeGrid, .soften = true, .shapes = spadeShapes};

// ---------------------------------------------------------------------------------------------
// 1: a red diamond, a solid rhombus 32 x 32 standing on a point.

constexpr std::string_view diamondGrid[] = {
    ".......rr.......",
    "......rrrr......",
    ".....rrrrrr.....",
    "....rrrrrrrr....",
    "...rrrrrrrrrr...",
    "..rrrrrrrrrrrr..",
    ".rrrrrrrrrrrrrr.",
    "rrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrr",
    ".rrrrrrrrrrrrrr.",
    "..rrrrrrrrrrrr..",
    "...rrrrrrrrrr...",
    "....rrrrrrrr....",
    ".....rrrrrr.....",
    "......rrrr......",
    ".......rr.......",
};

Layers diamondShapes(const Face &face)
{
    const qreal top = face.edgeY(6), bottom = face.edgeY(38);
    const qreal left = face.edgeX(8), right = face.edgeX(40), middle = face.edgeX(24);
    const qreal level = face.edgeY(22);
    QPainterPath path;
    path.moveTo(middle, top);
    path.lineTo(right, level);
    path.lineTo(middle, bottom);
    path.lineTo(left, level);
    path.closeSubpath();
    return {{{path}, 'r'}};
}

constexpr Motif diamond {.grid = diamondGrid, .shapes = diamondShapes};

// ---------------------------------------------------------------------------------------------
// 2: a red heart, two round lobes meeting in a notch, the sides curving in to a point; 27 wide,
// 30 high. Its grid is drawn pixel for pixel, so that it can have a centre column.

constexpr std::string_view heartGrid[] = {
    "....rrrrrr.......rrrrrr....",
    "....rrrrrr.......rrrrrr....",
    "..rrrrrrrrrr...rrrrrrrrrr..",
    "..rrrrrrrrrr...rrrrrrrrrr..",
    ".rrrrrrrrrrrr.rrrrrrrrrrrr.",
    ".rrrrrrrrrrrr.rrrrrrrrrrrr.",
    "rrrrrrrrrrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrrrrrrrrrr",
    ".rrrrrrrrrrrrrrrrrrrrrrrrr.",
    ".rrrrrrrrrrrrrrrrrrrrrrrrr.",
    "..rrrrrrrrrrrrrrrrrrrrrrr..",
    "..rrrrrrrrrrrrrrrrrrrrrrr..",
    "...rrrrrrrrrrrrrrrrrrrrr...",
    "...rrrrrrrrrrrrrrrrrrrrr...",
    "....rrrrrrrrrrrrrrrrrrr....",
    "....rrrrrrrrrrrrrrrrrrr....",
    "......rrrrrrrrrrrrrrr......",
    "......rrrrrrrrrrrrrrr......",
    ".......rrrrrrrrrrrrr.......",
    ".......rrrrrrrrrrrrr.......",
    "........rrrrrrrrrrr........",
    "........rrrrrrrrrrr........",
    ".........rrrrrrrrr.........",
    ".........rrrrrrrrr.........",
    "...........rrrrr...........",
    "...........rrrrr...........",
    "............rrr............",
    "............rrr............",
};

Layers heartShapes(const Face &face)
{
    const qreal left = face.edgeX(10), right = face.edgeX(37);
    const qreal top = face.edgeY(7), bottom = face.edgeY(37);
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
    return {{{path}, 'r'}};
}

constexpr Motif heart {.grid = heartGrid, .cell = 1, .shapes = heartShapes};

// ---------------------------------------------------------------------------------------------
// 3: a black club, three round leaves around a solid middle, on the spade's stem; grey steps on
// the curves of the stored tile.

constexpr std::string_view clubGrid[] = {
    "......gkkg......",
    ".....kkkkkk.....",
    "....gkkkkkkg....",
    "....kkkkkkkk....",
    "....gkkkkkkg....",
    ".....kkkkkk.....",
    "..gkkgkkkkgkkg..",
    ".kkkkkkkkkkkkkk.",
    "gkkkkkkkkkkkkkkg",
    "kkkkkkkkkkkkkkkk",
    "gkkkkkkkkkkkkkkg",
    ".kkkkkgkkgkkkkk.",
    "..gkkg.kk.gkkg..",
    ".......kk.......",
    "......kkkk......",
    "....kkkkkkkk....",
};

Layers clubShapes(const Face &face)
{
    QPainterPath middle;
    middle.addPolygon(QPolygonF({{24, 13}, {15, 25}, {33, 25}}));
    middle.closeSubpath();
    const QPainterPath top = face.ellipse(17, 6, 31, 20);
    const QPainterPath left = face.ellipse(8, 18, 22, 32);
    const QPainterPath right = face.ellipse(26, 18, 40, 32);
    return {{{top, left, right, middle, stem(face, 24)}, 'k'}};
}

constexpr Motif club {.grid = clubGrid, .shapes = clubShapes};

// ---------------------------------------------------------------------------------------------
// A disc with a black outline two units wide, in the tile's middle, filled with @p fill: the
// smile's face and the markers.

Layers disc(const Face &face, char fill)
{
    return {{{face.ellipse(8, 6, 40, 38)}, 'k'}, {{face.ellipse(10, 8, 38, 36)}, fill}};
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

// ---------------------------------------------------------------------------------------------
// 4: a smiling face, a yellow disc with a black outline, two square eyes and a curved mouth.

constexpr std::string_view smileGrid[] = {
    ".....kkkkkk.....",
    "...kkyyyyyykk...",
    "..kyyyyyyyyyyk..",
    ".kyyyyyyyyyyyyk.",
    ".kyyykkyykkyyyk.",
    "kyyyykkyykkyyyyk",
    "kyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyk",
    "kyykyyyyyyyykyyk",
    "kyyykyyyyyykyyyk",
    ".kyyykkkkkkyyyk.",
    ".kyyyyyyyyyyyyk.",
    "..kyyyyyyyyyyk..",
    "...kkyyyyyykk...",
    ".....kkkkkk.....",
};

Layers smileShapes(const Face &face)
{
    Layers layers = disc(face, 'y');
    const QPainterPath mouth = band(QRectF(13, 10, 22, 20), QRectF(15, 12, 18, 16), 210, 120);
    layers.push_back({{face.rect(18, 14, 22, 18), face.rect(26, 14, 30, 18), mouth}, 'k'});
    return layers;
}

constexpr Motif smile {.grid = smileGrid, .shapes = smileShapes};

// ---------------------------------------------------------------------------------------------
// 5: a yellow bell with a black outline, a loop on top, a flared rim and the clapper showing
// under it; softened with tones in the stored tile.

constexpr std::string_view bellGrid[] = {
    "......kkkk......",
    "......k..k......",
    ".....kkkkkk.....",
    "....kyyyyyyk....",
    "...kyyyyyyyyk...",
    "...kyyyyyyyyk...",
    "...kyyyyyyyyk...",
    "...kyyyyyyyyk...",
    "...kyyyyyyyyk...",
    "..kyyyyyyyyyyk..",
    "..kyyyyyyyyyyk..",
    ".kyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyyk",
    "kkkkkkkkkkkkkkkk",
    "......kkkk......",
    ".......kk.......",
};

// The bell's outline, @p inset units inside its outer edge, down to @p bottom.
QPainterPath bellOutline(const Face &face, qreal inset, qreal bottom)
{
    const qreal left = face.edgeX(8 + inset), right = face.edgeX(40 - inset);
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

// The loop, the clapper under the rim, then the outlined body over both. The loop's hole is a
// second ellipse inside the first, which the even-odd rule leaves open.
Layers bellShapes(const Face &face)
{
    QPainterPath loop = face.ellipse(20, 5, 28, 12);
    loop.addPath(face.ellipse(22, 7.5, 26, 10.5));
    return {{{bellOutline(face, 0, face.edgeY(34)), loop, face.ellipse(20, 30, 28, 38)}, 'k'},
        {{bellOutline(face, 2, face.edgeY(32))}, 'y'}};
}

constexpr Motif bell {.grid = bellGrid, .soften = true, .shapes = bellShapes};

// ---------------------------------------------------------------------------------------------
// 6: a black key lying on its side, pointing right: a ring at the left, the shaft, two square
// teeth hanging down; 32 wide, 14 high.

constexpr std::string_view keyGrid[] = {
    ".gkkkg..........",
    "gkkkkkg.........",
    "kk...kk.........",
    "kk...kkkkkkkkkkk",
    "kk...kk...kk.kk.",
    "gkkkkkg...kk.kk.",
    ".gkkkg..........",
};

Layers keyShapes(const Face &face)
{
    QPainterPath ring = face.ellipse(8, 15, 22, 29);
    ring.addPath(face.ellipse(12, 19, 18, 25));
    const QPainterPath shaft = face.rect(21, 21, 40, 23);
    return {{{ring, shaft, face.rect(28, 23, 32, 27), face.rect(34, 23, 38, 27)}, 'k'}};
}

constexpr Motif key {.grid = keyGrid, .shapes = keyShapes};

// ---------------------------------------------------------------------------------------------
// 7: a black quaver: an oval head tilted up to the right, the stem on its right, the flag
// curving down from the stem's top to a square end.

constexpr std::string_view quaverGrid[] = {
    ".......kg.......",
    ".......kkg......",
    ".......kkkg.....",
    ".......kkkkg....",
    ".......kk.kkg...",
    ".......kk..kkg..",
    ".......kk...kk..",
    ".......kk...gkg.",
    ".......kk....kk.",
    ".......kk....kk.",
    "...gkkkkk....kg.",
    ".gkkkkkkk...gk..",
    "gkkkkkkkk.......",
    "kkkkkkkkg.......",
    ".kkkkkg.........",
};

Layers quaverShapes(const Face &face)
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
    const QPainterPath tilted = QTransform().translate(17.5, 32).rotate(-22).map(head);
    return {{{tilted, face.rect(23, 7, 27, 31), flag}, 'k'}};
}

constexpr Motif quaver {.grid = quaverGrid, .shapes = quaverShapes};

// ---------------------------------------------------------------------------------------------
// 8 and 9: the markers, one disc with a black outline, filled red for a hit and white for a
// near marker.

constexpr std::string_view markerGrid[] = {
    ".....kkkkkk.....",
    "...kkffffffkk...",
    "..kffffffffffk..",
    ".kffffffffffffk.",
    ".kffffffffffffk.",
    "kffffffffffffffk",
    "kffffffffffffffk",
    "kffffffffffffffk",
    "kffffffffffffffk",
    "kffffffffffffffk",
    "kffffffffffffffk",
    ".kffffffffffffk.",
    ".kffffffffffffk.",
    "..kffffffffffk..",
    "...kkffffffkk...",
    ".....kkkkkk.....",
};

Layers markerShapes(const Face &face)
{
    return disc(face, 'f');
}

constexpr Motif hitMarker {.grid = markerGrid, .fill = Red, .shapes = markerShapes};
constexpr Motif nearMarker {.grid = markerGrid, .fill = White, .shapes = markerShapes};

// ---------------------------------------------------------------------------------------------

constexpr std::array<const Motif *, 10> motifs {
    &spade, &diamond, &heart, &club, &smile, &bell, &key, &quaver, &hitMarker, &nearMarker};

} // namespace

QRgb inkColour(char ink, QRgb fill)
{
    switch (ink) {
    case 'k':
        return Black;
    case 'g':
        return Grey;
    case 'w':
        return White;
    case 'r':
        return Red;
    case 'y':
        return Yellow;
    case 'f':
        return fill;
    default:
        throw std::logic_error(std::string("unknown ink '") + ink + "' in a motif");
    }
}

Face::Face(const QRect &stored, const QRect &device)
{
    const qreal scaleX = device.width() / static_cast<qreal>(stored.width());
    const qreal scaleY = device.height() / static_cast<qreal>(stored.height());
    m_toDevice = QTransform(scaleX, 0, 0, scaleY, device.left() - stored.left() * scaleX,
        device.top() - stored.top() * scaleY);
}

qreal Face::edgeX(qreal x) const
{
    return (std::round(x * m_toDevice.m11() + m_toDevice.dx()) - m_toDevice.dx())
        / m_toDevice.m11();
}

qreal Face::edgeY(qreal y) const
{
    return (std::round(y * m_toDevice.m22() + m_toDevice.dy()) - m_toDevice.dy())
        / m_toDevice.m22();
}

QRectF Face::box(qreal left, qreal top, qreal right, qreal bottom) const
{
    return {QPointF(edgeX(left), edgeY(top)), QPointF(edgeX(right), edgeY(bottom))};
}

QPainterPath Face::rect(qreal left, qreal top, qreal right, qreal bottom) const
{
    QPainterPath path;
    path.addRect(box(left, top, right, bottom));
    return path;
}

QPainterPath Face::ellipse(qreal left, qreal top, qreal right, qreal bottom) const
{
    QPainterPath path;
    path.addEllipse(box(left, top, right, bottom));
    return path;
}

const Motif *motif(int picture)
{
    if (picture < 0 || picture >= static_cast<int>(motifs.size()))
        return nullptr;
    return motifs.at(static_cast<std::size_t>(picture));
}

} // namespace tiles
