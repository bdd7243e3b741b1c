// SPDX-License-Identifier: GPL-3.0-or-later
#include "Raster.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace pictures {

namespace {

constexpr int samples = 16; // sample points a pixel, across and down
constexpr int fullCoverage = samples * samples;

// Positions are scaled so that the centres of the sample points are whole numbers too: a pixel is
// 2 * samples steps.
constexpr std::int64_t pixel = std::int64_t {2} * samples;

struct Edge
{
    std::int64_t x0, y0, dx, dy;
    // Positive on the inner side of the edge.
    std::int64_t side(std::int64_t x, std::int64_t y) const
    {
        return dx * (y - y0) - dy * (x - x0);
    }
};

std::vector<Edge> edgesOf(const Shape &shape)
{
    const std::size_t count = shape.corners.size();
    if (count < 3)
        throw std::logic_error("a shape needs three corners");
    std::int64_t area = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Point a = shape.corners[i], b = shape.corners[(i + 1) % count];
        area += static_cast<std::int64_t>(a.x) * b.y - static_cast<std::int64_t>(b.x) * a.y;
    }
    // A shape that has shrunk to a line or a point at a small size covers nothing.
    std::vector<Edge> edges;
    if (area == 0)
        return edges;
    for (std::size_t i = 0; i < count; ++i) {
        const Point a = shape.corners[i], b = shape.corners[(i + 1) % count];
        Edge edge {a.x * pixel, a.y * pixel, (b.x - a.x) * pixel, (b.y - a.y) * pixel};
        if (area < 0) {
            edge.dx = -edge.dx;
            edge.dy = -edge.dy;
        }
        edges.push_back(edge);
    }
    for (std::size_t i = 0; i < count; ++i)
        for (const Point p : shape.corners)
            if (edges[i].side(p.x * pixel, p.y * pixel) < 0)
                throw std::logic_error("a shape is not convex");
    return edges;
}

bool inside(const std::vector<Edge> &edges, std::int64_t x, std::int64_t y)
{
    return std::ranges::all_of(edges, [&](const Edge &edge) { return edge.side(x, y) >= 0; });
}

// How many of the pixel's sample points the shape covers. A pixel whose four corners lie on the
// inner side of every edge is covered whole, and one whose corners all lie outside one edge not
// at all; only the pixels on the outline are sampled.
int coverage(const std::vector<Edge> &edges, int px, int py)
{
    const std::array<std::pair<std::int64_t, std::int64_t>, 4> corners
        = {{{px * pixel, py * pixel}, {(px + 1) * pixel, py * pixel},
            {px * pixel, (py + 1) * pixel}, {(px + 1) * pixel, (py + 1) * pixel}}};
    bool whole = true;
    for (const Edge &edge : edges) {
        int in = 0;
        for (const auto &[x, y] : corners)
            in += edge.side(x, y) >= 0;
        if (in == 0)
            return 0;
        whole = whole && in == 4;
    }
    if (whole)
        return fullCoverage;
    int covered = 0;
    for (int j = 0; j < samples; ++j) {
        for (int i = 0; i < samples; ++i) {
            const std::int64_t x = 2 * (px * samples + i) + 1;
            const std::int64_t y = 2 * (py * samples + j) + 1;
            covered += inside(edges, x, y);
        }
    }
    return covered;
}

// A pixel while painting: alpha in 1/65536, colours premultiplied by it.
struct Paint
{
    std::int64_t r = 0, g = 0, b = 0, a = 0;
};

// Lays an opaque colour over the pixel at @p cover of fullCoverage.
void over(Paint &pixel, Rgb colour, int cover)
{
    const auto blend = [cover](std::int64_t below, std::int64_t above) {
        return above * cover * (65536 / fullCoverage)
            + (below * (fullCoverage - cover) + fullCoverage / 2) / fullCoverage;
    };
    pixel.r = blend(pixel.r, colour.r);
    pixel.g = blend(pixel.g, colour.g);
    pixel.b = blend(pixel.b, colour.b);
    pixel.a = blend(pixel.a, 1);
}

Rgba straight(const Paint &pixel)
{
    if (pixel.a == 0)
        return {};
    const auto channel = [&](std::int64_t premultiplied) {
        return static_cast<std::uint8_t>(
            std::min<std::int64_t>(255, (premultiplied + pixel.a / 2) / pixel.a));
    };
    return {channel(pixel.r), channel(pixel.g), channel(pixel.b),
        static_cast<std::uint8_t>((pixel.a * 255 + 32768) / 65536)};
}

} // namespace

std::vector<Rgba> rasterize(std::span<const Shape> shapes, int size)
{
    std::vector<Paint> canvas(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (const Shape &shape : shapes) {
        const std::vector<Edge> edges = edgesOf(shape);
        if (edges.empty())
            continue;
        for (int py = 0; py < size; ++py) {
            for (int px = 0; px < size; ++px) {
                const int cover = coverage(edges, px, py);
                if (cover > 0)
                    over(canvas[static_cast<std::size_t>(py) * static_cast<std::size_t>(size)
                             + static_cast<std::size_t>(px)],
                        shape.colour, cover);
            }
        }
    }
    std::vector<Rgba> pixels;
    std::ranges::transform(canvas, std::back_inserter(pixels), straight);
    return pixels;
}

} // namespace pictures
