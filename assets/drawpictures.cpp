// SPDX-License-Identifier: GPL-3.0-or-later
//
// Draws the game's pictures from the character grids below and writes them into a folder:
//
//     drawpictures OUTDIR
//
// slika0.bmp ... slika9.bmp are the 50 x 46 tiles the board shows; vorn.ico is the window icon,
// and vorn-16.png ... vorn-256.png and vorn.svg the icons of the desktop's icon theme, all drawn
// in Icon.cpp. The bitmaps and the icon file are written byte by byte, since their bytes are
// their format; the PNG files are Qt's, the same pixels on every run. The committed files are
// checked against what this draws. To change a picture, edit its grid or shapes and run the
// program again. The tiles at any other size are drawn by the game itself, from the shapes in
// Motifs.cpp.

#include "Bytes.h"
#include "Icon.h"

#include <QImageWriter>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using pictures::Bytes;
using pictures::Rgb;
using Grid = std::span<const std::string_view>;

constexpr Rgb black {0, 0, 0};
constexpr Rgb grey {128, 128, 128};
constexpr Rgb silver {192, 192, 192};
constexpr Rgb white {255, 255, 255};
constexpr Rgb red {255, 0, 0};
constexpr Rgb yellow {255, 255, 0};

// ---------------------------------------------------------------------------------------------
// The tile motifs. One character is one cell; most grids are drawn with every cell doubled to
// 2 x 2 pixels. '.' lets the silver face show through.
//   k black   r red   y yellow   w white   g grey   f the fill of a marker disc

constexpr std::string_view spade[] = {
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

constexpr std::string_view diamond[] = {
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

// The heart is drawn pixel for pixel so that it can have a centre column.
constexpr std::string_view heart[] = {
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

constexpr std::string_view club[] = {
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

constexpr std::string_view smile[] = {
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

constexpr std::string_view bell[] = {
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

constexpr std::string_view key[] = {
    ".gkkkg..........",
    "gkkkkkg.........",
    "kk...kk.........",
    "kk...kkkkkkkkkkk",
    "kk...kk...kk.kk.",
    "gkkkkkg...kk.kk.",
    ".gkkkg..........",
};

constexpr std::string_view quaver[] = {
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

constexpr std::string_view disc[] = {
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

struct Motif
{
    Grid grid;
    int scale = 2; // pixels per cell, across and down
    bool soften = false; // fill the inner corners of the steps with blended tones
    Rgb fill = silver; // colour of 'f'
};

const std::array<Motif, 10> motifs = {{
    {spade, 2, true},
    {diamond},
    {heart, 1},
    {club},
    {smile},
    {bell, 2, true},
    {key},
    {quaver},
    {disc, 2, false, red},
    {disc, 2, false, white},
}};

// ---------------------------------------------------------------------------------------------
// Images

// Where pixel (x, y) of a picture @p width pixels wide lies in its row-by-row store.
std::size_t pixelOffset(int x, int y, int width)
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
        + static_cast<std::size_t>(x);
}

struct Image
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image(int w, int h, Rgb colour)
        : width(w)
        , height(h)
        , pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), colour)
    { }
    Rgb &at(int x, int y) { return pixels[pixelOffset(x, y, width)]; }
    Rgb at(int x, int y) const { return pixels[pixelOffset(x, y, width)]; }
};

// A motif before it is placed on the tile: pixels that are not set show the face.
struct Layer
{
    int width = 0;
    int height = 0;
    std::vector<std::optional<Rgb>> pixels;

    Layer(int w, int h)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
    { }
    void set(int x, int y, std::optional<Rgb> colour) { pixels[pixelOffset(x, y, width)] = colour; }
    // Outside the layer there is only face.
    std::optional<Rgb> at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return std::nullopt;
        return pixels[pixelOffset(x, y, width)];
    }
};

// ---------------------------------------------------------------------------------------------
// The tile

constexpr int tileWidth = 50;
constexpr int tileHeight = 46;
constexpr int faceLeft = 4;
constexpr int faceTop = 4;
constexpr int faceWidth = 40;
constexpr int faceHeight = 36;
constexpr int outline = 2;
constexpr int highlight = 2;
constexpr int shadow = 4;

// The raised button: a black outline with silver corner blocks, a white highlight along the top
// and the left, a grey shadow down the right and along the bottom, and the silver face.
Rgb frameColour(int x, int y)
{
    const int fromRight = tileWidth - 1 - x;
    const int fromBottom = tileHeight - 1 - y;
    const bool nearX = x < outline || fromRight < outline;
    const bool nearY = y < outline || fromBottom < outline;
    if (nearX && nearY)
        return silver;
    if (nearX || nearY)
        return black;
    const bool top = y < outline + highlight;
    const bool left = x < outline + highlight;
    const bool right = fromRight < outline + shadow;
    const bool bottom = fromBottom < outline + shadow;
    // Where highlight and shadow meet, a stepped diagonal runs from the outer to the inner corner.
    if (top && right)
        return (x - (tileWidth - outline - shadow)) + 2 * (y - outline) < 3 ? white : grey;
    if (left && bottom)
        return 2 * (x - outline) + (y - (tileHeight - outline - shadow)) < 3 ? white : grey;
    if (top || left)
        return white;
    if (right || bottom)
        return grey;
    return silver;
}

std::optional<Rgb> cellColour(char cell, Rgb fill)
{
    switch (cell) {
    case '.':
        return std::nullopt;
    case 'k':
        return black;
    case 'r':
        return red;
    case 'y':
        return yellow;
    case 'w':
        return white;
    case 'g':
        return grey;
    case 'f':
        return fill;
    default:
        throw std::logic_error(std::string("unknown colour '") + cell + "' in a tile grid");
    }
}

Layer rasterize(const Motif &motif)
{
    const int rows = static_cast<int>(motif.grid.size());
    const int columns = static_cast<int>(motif.grid.front().size());
    Layer layer(columns * motif.scale, rows * motif.scale);
    for (int y = 0; y < layer.height; ++y) {
        const std::string_view row = motif.grid[static_cast<std::size_t>(y / motif.scale)];
        if (static_cast<int>(row.size()) != columns)
            throw std::logic_error("a tile grid has rows of different lengths");
        for (int x = 0; x < layer.width; ++x)
            layer.set(x, y, cellColour(row[static_cast<std::size_t>(x / motif.scale)], motif.fill));
    }
    return layer;
}

// A tone between the motif's colour and the face, holding weight eighths of the motif.
Rgb mix(Rgb motif, int weight)
{
    const auto channel = [weight](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>((from * weight + to * (8 - weight)) / 8);
    };
    return {channel(motif.r, silver.r), channel(motif.g, silver.g), channel(motif.b, silver.b)};
}

// The motif colour touching (x, y) from one side along (dx, dy), where the far side is clear for
// two pixels; a gap between two parts of the motif is left alone.
std::optional<Rgb> edgeFrom(const Layer &layer, int x, int y, int dx, int dy)
{
    for (const int sign : {1, -1}) {
        const auto near = layer.at(x + sign * dx, y + sign * dy);
        if (near && !layer.at(x - sign * dx, y - sign * dy)
            && !layer.at(x - 2 * sign * dx, y - 2 * sign * dy))
            return near;
    }
    return std::nullopt;
}

// Softens the two-pixel steps: a face pixel in the inner corner of a step takes a near-grey
// tone of the motif, and one touching the motif only at a corner a near-silver tone.
void soften(Layer &layer)
{
    Layer result = layer;
    for (int y = 0; y < layer.height; ++y) {
        for (int x = 0; x < layer.width; ++x) {
            if (layer.at(x, y))
                continue;
            const auto side = edgeFrom(layer, x, y, 1, 0);
            const auto end = edgeFrom(layer, x, y, 0, 1);
            if (side && end) {
                result.set(x, y, mix(*side, 3));
                continue;
            }
            if (layer.at(x - 1, y) || layer.at(x + 1, y) || layer.at(x, y - 1)
                || layer.at(x, y + 1))
                continue;
            for (const auto corner : {layer.at(x - 1, y - 1), layer.at(x + 1, y - 1),
                     layer.at(x - 1, y + 1), layer.at(x + 1, y + 1)}) {
                if (corner) {
                    result.set(x, y, mix(*corner, 1));
                    break;
                }
            }
        }
    }
    layer = std::move(result);
}

// Places the motif's bounding box in the middle of the face.
void stamp(Image &tile, const Layer &layer)
{
    int left = layer.width, top = layer.height, right = -1, bottom = -1;
    for (int y = 0; y < layer.height; ++y) {
        for (int x = 0; x < layer.width; ++x) {
            if (!layer.at(x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right - left + 1 > faceWidth || bottom - top + 1 > faceHeight)
        throw std::logic_error("a motif is larger than the face");
    const int offsetX = faceLeft + (faceWidth - (right - left + 1)) / 2 - left;
    const int offsetY = faceTop + (faceHeight - (bottom - top + 1)) / 2 - top;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (const auto colour = layer.at(x, y))
                tile.at(x + offsetX, y + offsetY) = *colour;
}

Image drawTile(const Motif &motif)
{
    Image tile(tileWidth, tileHeight, silver);
    for (int y = 0; y < tileHeight; ++y)
        for (int x = 0; x < tileWidth; ++x)
            tile.at(x, y) = frameColour(x, y);
    Layer layer = rasterize(motif);
    if (motif.soften)
        soften(layer);
    stamp(tile, layer);
    return tile;
}

// ---------------------------------------------------------------------------------------------
// The tile's file

Bytes encodeBmp(const Image &image)
{
    using pictures::put32;
    using pictures::putInfoHeader;
    const int rowBytes = (image.width * 3 + 3) / 4 * 4;
    const auto imageSize = static_cast<std::uint32_t>(rowBytes * image.height);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageSize);
    put32(out, 0);
    put32(out, 54);
    putInfoHeader(out, image.width, image.height, 24, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb pixel = image.at(x, y);
            out.insert(out.end(), {pixel.b, pixel.g, pixel.r});
        }
        out.resize(out.size() + static_cast<std::size_t>(rowBytes - image.width * 3), 0);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------

bool writeFile(const std::filesystem::path &path, const Bytes &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(
        reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file)
        return true;
    std::fprintf(stderr, "drawpictures: cannot write %s\n", path.string().c_str());
    return false;
}

bool writePng(const std::filesystem::path &path, const QImage &image)
{
    QImageWriter writer(QString::fromStdString(path.string()), "png");
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "drawpictures: cannot write %s: %s\n", path.string().c_str(),
        qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures OUTDIR\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        for (std::size_t i = 0; i < motifs.size(); ++i) {
            const auto name = "slika" + std::to_string(i) + ".bmp";
            if (!writeFile(folder / name, encodeBmp(drawTile(motifs[i]))))
                return 1;
        }
        if (!writeFile(folder / "vorn.ico", pictures::iconIco()))
            return 1;
        for (const int size : pictures::iconSizes)
            if (!writePng(
                    folder / ("vorn-" + std::to_string(size) + ".png"), pictures::iconImage(size)))
                return 1;
        const std::string svg = pictures::iconSvg();
        if (!writeFile(folder / "vorn.svg", Bytes(svg.begin(), svg.end())))
            return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "drawpictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
