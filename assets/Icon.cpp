// SPDX-License-Identifier: GPL-3.0-or-later
//
// The icon: a glass prism standing on its base, a beam of white light entering it from the left
// and a fan of colours leaving it to the right, breaking up into single pixels at its lower end.
//
// It is drawn twice. The small sizes, up to the window's 32 x 32, are pixel grids, one for each
// size, so that every line falls on whole pixels. The large sizes and the scalable icon come
// from one drawing of vector shapes, painted with smooth edges. Both use the colours of the
// 16-colour palette of the window icon.
#include "Icon.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace pictures {

namespace {

// ---------------------------------------------------------------------------------------------
// The palette. The window icon uses the standard sixteen colours of 4-bit icons in the usual
// VGA order; the grids name them by letter, '.' is transparent. The capitals (maroon, green,
// olive, purple) and s, g (silver, grey) are free for the grids to use.
//   k black  n navy  t teal  c cyan  w white  r red  y yellow  l lime  b blue  m magenta

struct PaletteEntry
{
    char cell;
    Rgb colour;
};

constexpr std::array<PaletteEntry, 16> palette = {{
    {'k', {0, 0, 0}},
    {'M', {128, 0, 0}},
    {'G', {0, 128, 0}},
    {'O', {128, 128, 0}},
    {'n', {0, 0, 128}},
    {'P', {128, 0, 128}},
    {'t', {0, 128, 128}},
    {'s', {192, 192, 192}},
    {'g', {128, 128, 128}},
    {'r', {255, 0, 0}},
    {'l', {0, 255, 0}},
    {'y', {255, 255, 0}},
    {'b', {0, 0, 255}},
    {'m', {255, 0, 255}},
    {'c', {0, 255, 255}},
    {'w', {255, 255, 255}},
}};

constexpr Rgb colourOf(char cell)
{
    for (const auto &entry : palette)
        if (entry.cell == cell)
            return entry.colour;
    throw std::logic_error("unknown colour in the icon");
}

// ---------------------------------------------------------------------------------------------
// The pixel grids, one character a pixel. The prism's sides climb one pixel every two rows, the
// white edge of light inside it one pixel every four.

using Grid = std::span<const std::string_view>;

constexpr std::string_view prism16[] = {
    "...............r",
    ".......kn.....rr",
    ".......kn....rrr",
    "......kwtn..rrry",
    "......kwtn.rrryy",
    ".....kcwttnrryyy",
    "ccccckcwttnryyyl",
    "wwwwkcwttttnylll",
    "cccckcwttttnlllb",
    "...kccwtttttnbbb",
    "...kccwtttttnmbb",
    "..kccwtttttttnmm",
    "..kccwtttttttnmb",
    ".kcccwttttttttnm",
    ".kkkkkkkkkkkkkk.",
    "...............m",
};

constexpr std::string_view prism22[] = {
    "....................rr",
    "..........kn........rr",
    "..........kn.......rrr",
    ".........kttn.....rrrr",
    ".........kttn....rrrry",
    "........kwtttn..rrrryy",
    "........kwtttn.rrryyyy",
    ".......kcwttttnrryyyyl",
    ".......kcwttttnryyylll",
    "cccccckcwttttttnyyllll",
    "wwwwwwkcwttttttnlllllb",
    "ccccckccwtttttttnbbbbb",
    ".....kccwtttttttnbbbbb",
    "....kccwtttttttttnmmbb",
    "....kccwtttttttttnmmmm",
    "...kcccwttttttttttnmmm",
    "...kcccwttttttttttnbmb",
    "..kcccwttttttttttttnbm",
    "..kcccwttttttttttttnm.",
    ".kccccwtttttttttttttnm",
    ".kkkkkkkkkkkkkkkkkkkk.",
    ".....................b",
};

constexpr std::string_view prism24[] = {
    "......................rr",
    "...........kn.........rr",
    "...........kn........rrr",
    "..........kttn......rrrr",
    "..........kttn.....rrrry",
    ".........kwtttn...rrrryy",
    ".........kwtttn..rrrryyy",
    "........kcwttttnrrryyyyy",
    "........kcwttttnrryyyyll",
    ".......kcwttttttnyyyllll",
    "ccccccckcwttttttnyllllll",
    "wwwwwwkccwtttttttnlllllb",
    "wwwwwwkccwtttttttnbbbbbb",
    "ccccckccwtttttttttnbbbbb",
    ".....kccwtttttttttnmmmbb",
    "....kcccwttttttttttnmmmm",
    "....kcccwttttttttttnmmmm",
    "...kcccwttttttttttttnmbm",
    "...kcccwttttttttttttnbmb",
    "..kccccwtttttttttttttnbm",
    "..kccccwtttttttttttttn.b",
    ".kccccwtttttttttttttttnm",
    ".kkkkkkkkkkkkkkkkkkkkkk.",
    ".......................m",
};

// The window icon, and the 32 x 32 icon of the theme.
constexpr std::string_view prism32[] = {
    ".............................rrr",
    "...............kn............rrr",
    "...............kn............rrr",
    "..............kttn..........rrrr",
    "..............kttn.........rrrrr",
    ".............kttttn........rrrry",
    ".............kttttn.......rrrryy",
    "............kwtttttn.....rrrryyy",
    "............kwtttttn....rrrryyyy",
    "...........kcwttttttn..rrryyyyyy",
    "...........kcwttttttn.rrryyyyyyl",
    "..........kccwwttttttnrryyyyylll",
    "..........kcwwtttttttnyyyyllllll",
    ".........kccwwttttttttnyllllllll",
    "ccccccccckccwwttttttttnlllllllll",
    "wwwwwwwwkcccwwtttttttttnlllllllb",
    "wwwwwwwwkcccwwtttttttttnbbbbbbbb",
    "ccccccckcccwwtttttttttttnbbbbbbb",
    ".......kcccwwtttttttttttnmmbbbbb",
    "......kccccwwttttttttttttnmmmmbb",
    "......kccccwwttttttttttttnmmmmmm",
    ".....kcccccwwtttttttttttttnmmmmm",
    ".....kccccwwttttttttttttttnmbmbm",
    "....kcccccwwtttttttttttttttnmbmb",
    "....kcccccwwtttttttttttttttnbmbm",
    "...kccccccwwttttttttttttttttnbmb",
    "...kccccccwwttttttttttttttttn.m.",
    "..kccccccwwttttttttttttttttttn.m",
    "..kccccccwwttttttttttttttttttnb.",
    ".kcccccccwwtttttttttttttttttttnb",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "...............................m",
};

struct SizedGrid
{
    int size;
    Grid grid;
};

const std::array<SizedGrid, 4> grids = {{
    {16, prism16},
    {22, prism22},
    {24, prism24},
    {32, prism32},
}};

std::optional<Grid> gridFor(int size)
{
    for (const auto &entry : grids) {
        if (entry.size != size)
            continue;
        if (entry.grid.size() != static_cast<std::size_t>(size)
            || !std::ranges::all_of(entry.grid, [size](std::string_view row) {
                   return row.size() == static_cast<std::size_t>(size);
               }))
            throw std::logic_error("an icon grid is not square at its size");
        return entry.grid;
    }
    return std::nullopt;
}

QImage paintGrid(Grid grid)
{
    const int size = static_cast<int>(grid.size());
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char cell = grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const Rgb colour = cell == '.' ? Rgb {} : colourOf(cell);
            image.setPixel(x, y, qRgba(colour.r, colour.g, colour.b, cell == '.' ? 0 : 255));
        }
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// The vector drawing, designed on a canvas 256 units across, y downward. At each size every
// corner moves to the nearest pixel corner, so that level edges stay sharp; the scalable icon is
// the design itself. Parts are painted in order, each over the ones before: the fan and the beam
// first, so that the prism's outline covers where they meet it.

constexpr int designUnits = 256;

// A corner of a shape, in whole pixels from the top left corner of the picture.
struct Point
{
    int x = 0;
    int y = 0;
};

// A filled polygon in one opaque colour.
struct Shape
{
    std::vector<Point> corners;
    Rgb colour;
};

struct Part
{
    const char *name;
    std::vector<Shape> shapes;
};

// The pixel corner nearest to a design position, at @p size pixels across.
int nearestPixel(int units, int size)
{
    const int twice = 2 * units * size + designUnits;
    const int whole = 2 * designUnits;
    return twice >= 0 ? twice / whole : -((whole - 1 - twice) / whole);
}

// Makes shapes at one size, their corners given in design units.
class Pen
{
public:
    explicit Pen(int size) : m_size(size) { }

    Shape shape(std::initializer_list<Point> corners, char colour) const
    {
        Shape snapped {{}, colourOf(colour)};
        for (const Point p : corners)
            snapped.corners.push_back({nearestPixel(p.x, m_size), nearestPixel(p.y, m_size)});
        return snapped;
    }
    Shape square(Point p, int side, char colour) const
    {
        return shape({p, {p.x + side, p.y}, {p.x + side, p.y + side}, {p.x, p.y + side}}, colour);
    }

private:
    int m_size;
};

// The bands of the fan, from the top, each running from the prism's right side to beyond the
// right edge of the canvas. A band is drawn down to the bottom of the fan and the next band over
// it, so that no seam shows between them. Below the fan its light breaks up into a chequer.
Part fan(const Pen &pen)
{
    constexpr std::array<char, 5> bands = {'r', 'y', 'l', 'b', 'm'};
    constexpr std::array<Point, 6> onPrism
        = {{{164, 84}, {172, 100}, {180, 116}, {188, 132}, {196, 148}, {204, 164}}};
    constexpr std::array<Point, 6> atEdge
        = {{{264, -60}, {264, 40}, {264, 80}, {264, 120}, {264, 152}, {264, 184}}};
    Part fan {"fan", {}};
    for (std::size_t i = 0; i < bands.size(); ++i)
        fan.shapes.push_back(
            pen.shape({onPrism[i], atEdge[i], atEdge.back(), onPrism.back()}, bands[i]));
    constexpr std::array<std::pair<Point, char>, 12> sparks = {{
        {{216, 184}, 'm'},
        {{224, 184}, 'b'},
        {{232, 184}, 'm'},
        {{240, 184}, 'b'},
        {{248, 184}, 'm'},
        {{232, 192}, 'b'},
        {{240, 192}, 'm'},
        {{248, 192}, 'b'},
        {{240, 200}, 'b'},
        {{248, 208}, 'm'},
        {{240, 216}, 'm'},
        {{248, 232}, 'b'},
    }};
    for (const auto &[corner, colour] : sparks)
        fan.shapes.push_back(pen.square(corner, 8, colour));
    return fan;
}

// White light with a cyan rim, from the left edge into the prism's left side.
Part beam(const Pen &pen)
{
    return {"beam",
        {
            pen.shape({{-8, 112}, {96, 112}, {96, 144}, {-8, 144}}, 'c'),
            pen.shape({{-8, 120}, {96, 120}, {96, 136}, {-8, 136}}, 'w'),
        }};
}

// The outline, black with a navy right side, then the teal glass with a cyan facet and a white
// edge of light along its left side. The inner corners lie 10 units inside the outer ones.
Part prism(const Pen &pen)
{
    constexpr Point apex {128, 6}, baseLeft {6, 246}, baseRight {250, 246};
    constexpr Point innerApex {128, 28}, innerLeft {22, 236}, innerRight {234, 236};
    return {"prism",
        {
            pen.shape({apex, baseLeft, baseRight}, 'k'),
            pen.shape({apex, baseRight, innerRight, innerApex}, 'n'),
            pen.shape({innerApex, innerLeft, innerRight}, 't'),
            pen.shape({innerApex, innerLeft, {70, 236}}, 'c'),
            pen.shape({innerApex, {70, 236}, {88, 236}}, 'w'),
        }};
}

std::vector<Part> drawing(int size)
{
    const Pen pen(size);
    return {fan(pen), beam(pen), prism(pen)};
}

std::vector<Shape> allShapes(int size)
{
    std::vector<Shape> shapes;
    for (const Part &part : drawing(size))
        shapes.insert(shapes.end(), part.shapes.begin(), part.shapes.end());
    return shapes;
}

std::string hex(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

// ---------------------------------------------------------------------------------------------
// The window icon's file

constexpr int icoSize = 32;

// The palette index of a pixel of the window icon, or nothing where it is transparent.
std::optional<std::uint8_t> icoIndex(int x, int y)
{
    const char cell = prism32[y][static_cast<std::size_t>(x)];
    if (cell == '.')
        return std::nullopt;
    for (std::size_t i = 0; i < palette.size(); ++i)
        if (palette[i].cell == cell)
            return static_cast<std::uint8_t>(i);
    throw std::logic_error(std::string("unknown colour '") + cell + "' in the icon grid");
}

} // namespace

Bytes iconIco()
{
    constexpr std::uint32_t pixelBytes = icoSize * icoSize / 2;
    constexpr std::uint32_t maskBytes = icoSize * 4; // 32 bits a row, already a multiple of 4
    constexpr std::uint32_t imageBytes = 40 + 16 * 4 + pixelBytes + maskBytes;
    Bytes out;
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out.insert(out.end(), {icoSize, icoSize, 16, 0});
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, imageBytes);
    put32(out, 22);
    // The height counts the colour pixels and the mask together.
    putInfoHeader(out, icoSize, 2 * icoSize, 4, pixelBytes + maskBytes);
    for (const auto &entry : palette)
        out.insert(out.end(), {entry.colour.b, entry.colour.g, entry.colour.r, 0});
    for (int y = icoSize - 1; y >= 0; --y) {
        for (int x = 0; x < icoSize; x += 2) {
            const auto high = icoIndex(x, y).value_or(0);
            const auto low = icoIndex(x + 1, y).value_or(0);
            out.push_back(static_cast<std::uint8_t>(high << 4 | low));
        }
    }
    for (int y = icoSize - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < icoSize; ++x)
            if (!icoIndex(x, y))
                bits |= 0x80000000u >> x;
        put32BigEndian(out, bits); // the leftmost pixel is the top bit of the first byte
    }
    return out;
}

QImage iconImage(int size)
{
    if (std::ranges::find(iconSizes, size) == iconSizes.end())
        throw std::logic_error("the icon is not drawn at size " + std::to_string(size));
    if (const auto grid = gridFor(size))
        return paintGrid(*grid);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const Shape &shape : allShapes(size)) {
        QPolygonF polygon;
        for (const Point corner : shape.corners)
            polygon << QPointF(corner.x, corner.y);
        painter.setBrush(QColor(shape.colour.r, shape.colour.g, shape.colour.b));
        painter.drawPolygon(polygon);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::string iconSvg()
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                      "<!-- Drawn by assets/drawpictures; edit its source, not this file. -->\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                      "viewBox=\"0 0 256 256\">\n"
                      "  <title>Vorn</title>\n";
    for (const Part &part : drawing(designUnits)) {
        svg.append("  <g id=\"").append(part.name).append("\">\n");
        for (const Shape &shape : part.shapes) {
            svg.append("    <polygon points=\"");
            for (const Point corner : shape.corners) {
                if (svg.back() != '"')
                    svg.push_back(' ');
                svg.append(std::to_string(corner.x)).append(",").append(std::to_string(corner.y));
            }
            svg.append("\" fill=\"").append(hex(shape.colour)).append("\"/>\n");
        }
        svg += "  </g>\n";
    }
    return svg + "</svg>\n";
}

} // namespace pictures
