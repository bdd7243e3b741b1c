// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tile.h"

#include "Motifs.h"

#include <QPainter>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tiles {

namespace {

// The widths of the stored tile's frame bands, in its pixels.
constexpr int OutlineWidth = 2;
constexpr int HighlightWidth = 2;
constexpr int ShadowWidth = 4;

// The widths of the frame's bands across or down a tile, in its pixels.
struct Bands
{
    int outline;
    int highlight;
    int shadow;
};

Bands bands(int pixels, int stored)
{
    const auto scaled = [&](int width) {
        return std::max(1, qRound(width * static_cast<double>(pixels) / stored));
    };
    return {scaled(OutlineWidth), scaled(HighlightWidth), scaled(ShadowWidth)};
}

// The raised button, the same at every size: a black outline with silver corner blocks, a white
// highlight along the top and the left, a grey shadow down the right and along the bottom, and
// the silver face.
class Frame
{
public:
    explicit Frame(QSize size)
        : m_size(size)
        , m_across(bands(size.width(), StoredSize.width()))
        , m_down(bands(size.height(), StoredSize.height()))
    { }

    QRect face() const
    {
        const int left = m_across.outline + m_across.highlight;
        const int top = m_down.outline + m_down.highlight;
        return {left, top, m_size.width() - left - m_across.shadow - m_across.outline,
            m_size.height() - top - m_down.shadow - m_down.outline};
    }

    // A tile of the frame's size with the frame drawn and the face left plain.
    QImage draw() const
    {
        QImage tile(m_size, QImage::Format_RGB32);
        for (int y = 0; y < m_size.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(tile.scanLine(y));
            for (int x = 0; x < m_size.width(); ++x)
                line[x] = colour(x, y);
        }
        return tile;
    }

private:
    QRgb colour(int x, int y) const
    {
        const int fromRight = m_size.width() - 1 - x;
        const int fromBottom = m_size.height() - 1 - y;
        const bool nearX = x < m_across.outline || fromRight < m_across.outline;
        const bool nearY = y < m_down.outline || fromBottom < m_down.outline;
        if (nearX && nearY)
            return Silver;
        if (nearX || nearY)
            return Black;
        const bool top = y < m_down.outline + m_down.highlight;
        const bool left = x < m_across.outline + m_across.highlight;
        const bool right = fromRight < m_across.outline + m_across.shadow;
        const bool bottom = fromBottom < m_down.outline + m_down.shadow;
        if (top && right)
            return topRightJoin(x, y);
        if (left && bottom)
            return bottomLeftJoin(x, y);
        if (top || left)
            return White;
        if (right || bottom)
            return Grey;
        return Silver;
    }

    // Where highlight and shadow meet, a diagonal runs from the outer corner to the inner one;
    // each pixel takes the side its centre lies on, so the join steps by whole pixels. Both
    // sides are doubled to keep the centres whole.
    QRgb topRightJoin(int x, int y) const
    {
        const int outerX = m_size.width() - m_across.outline;
        const int side = (2 * x + 1 - 2 * outerX) * m_down.highlight
            + m_across.shadow * (2 * y + 1 - 2 * m_down.outline);
        return side < 0 ? White : Grey;
    }

    QRgb bottomLeftJoin(int x, int y) const
    {
        const int outerY = m_size.height() - m_down.outline;
        const int side = (2 * y + 1 - 2 * outerY) * m_across.highlight
            + m_down.shadow * (2 * x + 1 - 2 * m_across.outline);
        return side < 0 ? White : Grey;
    }

    QSize m_size;
    Bands m_across;
    Bands m_down;
};

// ---------------------------------------------------------------------------------------------
// The stored tile: the motif from its grid, pixel for pixel

// A motif's grid as pixels, before it is placed on the face: pixels not set show the face.
class GridPixels
{
public:
    GridPixels(int width, int height)
        : m_width(width)
        , m_height(height)
        , m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    { }

    int width() const { return m_width; }
    int height() const { return m_height; }
    void set(int x, int y, std::optional<QRgb> colour) { m_pixels[offset(x, y)] = colour; }
    // Outside the grid there is only face.
    std::optional<QRgb> at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return std::nullopt;
        return m_pixels[offset(x, y)];
    }

private:
    std::size_t offset(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width)
            + static_cast<std::size_t>(x);
    }

    int m_width;
    int m_height;
    std::vector<std::optional<QRgb>> m_pixels;
};

GridPixels rasterize(const Motif &motif)
{
    const int rows = static_cast<int>(motif.grid.size());
    const int columns = static_cast<int>(motif.grid.front().size());
    GridPixels pixels(columns * motif.cell, rows * motif.cell);
    for (int y = 0; y < pixels.height(); ++y) {
        const std::string_view row = motif.grid[static_cast<std::size_t>(y / motif.cell)];
        if (static_cast<int>(row.size()) != columns)
            throw std::logic_error("a motif's grid has rows of different lengths");
        for (int x = 0; x < pixels.width(); ++x) {
            const char cell = row[static_cast<std::size_t>(x / motif.cell)];
            if (cell != '.')
                pixels.set(x, y, inkColour(cell, motif.fill));
        }
    }
    return pixels;
}

// A tone between the motif's colour and the face, holding weight eighths of the motif.
QRgb mix(QRgb motif, int weight)
{
    const auto channel
        = [weight](int from, int to) { return (from * weight + to * (8 - weight)) / 8; };
    return qRgb(channel(qRed(motif), qRed(Silver)), channel(qGreen(motif), qGreen(Silver)),
        channel(qBlue(motif), qBlue(Silver)));
}

// The motif colour touching (x, y) from one side along (dx, dy), where the far side is clear for
// two pixels; a gap between two parts of the motif is left alone.
std::optional<QRgb> edgeFrom(const GridPixels &pixels, int x, int y, int dx, int dy)
{
    for (const int sign : {1, -1}) {
        const auto near = pixels.at(x + sign * dx, y + sign * dy);
        if (near && !pixels.at(x - sign * dx, y - sign * dy)
            && !pixels.at(x - 2 * sign * dx, y - 2 * sign * dy))
            return near;
    }
    return std::nullopt;
}

// Softens the two-pixel steps: a face pixel in the inner corner of a step takes a near-grey
// tone of the motif, and one touching the motif only at a corner a near-silver tone.
void soften(GridPixels &pixels)
{
    GridPixels result = pixels;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (pixels.at(x, y))
                continue;
            const auto side = edgeFrom(pixels, x, y, 1, 0);
            const auto end = edgeFrom(pixels, x, y, 0, 1);
            if (side && end) {
                result.set(x, y, mix(*side, 3));
                continue;
            }
            if (pixels.at(x - 1, y) || pixels.at(x + 1, y) || pixels.at(x, y - 1)
                || pixels.at(x, y + 1))
                continue;
            for (const auto corner : {pixels.at(x - 1, y - 1), pixels.at(x + 1, y - 1),
                     pixels.at(x - 1, y + 1), pixels.at(x + 1, y + 1)}) {
                if (corner) {
                    result.set(x, y, mix(*corner, 1));
                    break;
                }
            }
        }
    }
    pixels = std::move(result);
}

// Places the motif's bounding box in the middle of @p face.
void stamp(QImage &tile, const GridPixels &pixels, const QRect &face)
{
    int left = pixels.width(), top = pixels.height(), right = -1, bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (!pixels.at(x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right - left + 1 > face.width() || bottom - top + 1 > face.height())
        throw std::logic_error("a motif is larger than the face");
    const int offsetX = face.left() + (face.width() - (right - left + 1)) / 2 - left;
    const int offsetY = face.top() + (face.height() - (bottom - top + 1)) / 2 - top;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (const auto colour = pixels.at(x, y))
                tile.setPixel(x + offsetX, y + offsetY, *colour);
}

// ---------------------------------------------------------------------------------------------
// Any other size: the motif from its shapes

// How much of a pixel a smoothed edge covers, made steeper: a pixel the edge covers mostly is
// filled, one it barely touches is left, and only those in between take a blend. Edges stay
// smooth and look sharper, with a third as many blended pixels.
int steeper(int coverage)
{
    constexpr int from = 64, to = 192;
    return std::clamp((coverage - from) * 255 / (to - from), 0, 255);
}

// How much of each pixel of a @p size image the @p shapes, in tile units, cover.
QImage coverage(const Shapes &shapes, QSize size, const QTransform &toDevice)
{
    QImage covered(size, QImage::Format_Alpha8);
    covered.fill(0);
    QPainter painter(&covered);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(toDevice);
    for (const QPainterPath &shape : shapes)
        painter.fillPath(shape, Qt::black);
    painter.end();
    return covered;
}

// Paints @p shapes in @p ink over @p tile with smoothed edges. The edges are drawn as coverage
// and blended here, so that the tile's own colours stay exact.
void paint(QImage &tile, const Shapes &shapes, QRgb ink, const QTransform &toDevice)
{
    const QImage covered = coverage(shapes, tile.size(), toDevice);
    for (int y = 0; y < tile.height(); ++y) {
        const uchar *cover = covered.constScanLine(y);
        auto *line = reinterpret_cast<QRgb *>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            const int a = steeper(cover[x]);
            if (a == 0)
                continue;
            const auto mix
                = [a](int over, int under) { return (over * a + under * (255 - a) + 127) / 255; };
            line[x] = qRgb(mix(qRed(ink), qRed(line[x])), mix(qGreen(ink), qGreen(line[x])),
                mix(qBlue(ink), qBlue(line[x])));
        }
    }
}

} // namespace

QImage drawStored(int picture)
{
    const Frame frame(StoredSize);
    QImage tile = frame.draw();
    const Motif *drawn = motif(picture);
    if (drawn == nullptr)
        return tile;
    GridPixels pixels = rasterize(*drawn);
    if (drawn->soften)
        soften(pixels);
    stamp(tile, pixels, frame.face());
    return tile;
}

QImage drawForScreen(int picture, QSize size)
{
    const Frame frame(size);
    QImage tile = frame.draw();
    const QRect face = frame.face();
    const Motif *drawn = motif(picture);
    if (face.isEmpty() || drawn == nullptr)
        return tile;

    // The motif is laid out on the stored tile's face, and that face onto this one, so that it
    // stays in the middle however the bands round.
    const Face units(Frame(StoredSize).face(), face);
    for (const Layer &layer : drawn->shapes(units))
        paint(tile, layer.shapes, inkColour(layer.ink, drawn->fill), units.toDevice());
    return tile;
}

} // namespace tiles
