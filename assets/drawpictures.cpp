// SPDX-License-Identifier: GPL-3.0-or-later
//
// Draws the game's stored pictures and writes them into a folder:
//
//     drawpictures OUTDIR
//
// slika0.bmp ... slika9.bmp are the 50 x 46 tiles the board shows, drawn by the tiles library
// from the grids of its motifs (tiles/Motifs.cpp, where each motif's shapes for every other size
// stand beside its grid); vorn.ico is the window icon, and vorn-16.png ... vorn-256.png and
// vorn.svg the icons of the desktop's icon theme, all drawn in Icon.cpp. The bitmaps and the icon
// file are written byte by byte, since their bytes are their format; the PNG files are Qt's, the
// same pixels on every run. The committed files are checked against what this draws. To change a
// picture, edit its grid and shapes, or the icon's, and run the program again.

#include "Bytes.h"
#include "Icon.h"
#include "tiles/Tile.h"

#include <QImageWriter>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using pictures::Bytes;

// The tiles, slika0.bmp to slika9.bmp.
constexpr int StoredPictures = 10;

// ---------------------------------------------------------------------------------------------
// The tile's file

// A 24-bit Windows bitmap, its rows bottom-up, each padded to a whole number of 4 bytes.
Bytes encodeBmp(const QImage &image)
{
    using pictures::put32;
    using pictures::putInfoHeader;
    const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
    const auto imageSize = static_cast<std::uint32_t>(rowBytes * image.height());
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageSize);
    put32(out, 0);
    put32(out, 54);
    putInfoHeader(out, image.width(), image.height(), 24, imageSize);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.insert(out.end(),
                {static_cast<std::uint8_t>(qBlue(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                    static_cast<std::uint8_t>(qRed(pixel))});
        }
        out.resize(out.size() + static_cast<std::size_t>(rowBytes - image.width() * 3), 0);
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
        for (int i = 0; i < StoredPictures; ++i) {
            const auto name = "slika" + std::to_string(i) + ".bmp";
            if (!writeFile(folder / name, encodeBmp(tiles::drawStored(i))))
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
