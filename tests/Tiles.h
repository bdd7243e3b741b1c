// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tile of the board shows, and how it is judged: a tile drawn for its device pixels has
// its frame on whole pixels in the stored tile's proportions, a face of pure silver at its
// edge, few blended pixels and a motif like its own stored picture's.
#include "app/Form1.h"

#include <QImage>
#include <QLabel>
#include <QList>
#include <QSet>
#include <QString>

#include <algorithm>
#include <utility>

namespace tilecheck {

constexpr QRgb black = 0xff000000;
constexpr QRgb grey = 0xff808080;
constexpr QRgb silver = 0xffc0c0c0;
constexpr QRgb white = 0xffffffff;
inline const QSet<QRgb> designColours = {black, grey, silver, white, 0xffff0000, 0xffffff00};

// What @p element shows on the screen it is on now.
inline QImage shown(QWidget &element)
{
    return element.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a plain stretching label shows of @p stored in the template's square.
inline QImage stretched(const QPixmap &stored)
{
    QLabel label;
    label.setScaledContents(true);
    label.setPixmap(stored);
    label.resize(33, 33);
    return shown(label);
}

// The lengths of the runs of one colour from @p start in steps of @p step, up to @p count runs.
inline QList<std::pair<QRgb, int>> runs(const QImage &tile, QPoint start, QPoint step, int count)
{
    QList<std::pair<QRgb, int>> result;
    for (QPoint p = start; tile.rect().contains(p) && result.size() <= count; p += step) {
        const QRgb colour = tile.pixel(p);
        if (!result.isEmpty() && result.back().first == colour)
            ++result.back().second;
        else
            result.append({colour, 1});
    }
    result.resize(std::min<qsizetype>(result.size(), count));
    return result;
}

// Whether the bands crossed from one edge are @p expected colours, each as wide as its share
// of the stored tile's @p units pixels on this tile's side, rounded up or down.
inline QString bandFault(const QImage &tile, QPoint start, QPoint step, int units,
    const QList<std::pair<QRgb, int>> &expected)
{
    const QList<std::pair<QRgb, int>> found = runs(tile, start, step, int(expected.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const auto [colour, width] = expected[i];
        const int side = step.x() != 0 ? tile.width() : tile.height();
        const double wanted = width * side / double(units);
        if (i >= found.size() || found[i].first != colour
            || (width > 0 && qAbs(found[i].second - wanted) >= 1))
            return QStringLiteral("band %1 from %2,%3 is %4 x %5, not %6 x %7")
                .arg(i)
                .arg(start.x())
                .arg(start.y())
                .arg(i < found.size() ? found[i].second : 0)
                .arg(i < found.size() ? found[i].first : 0, 8, 16)
                .arg(wanted)
                .arg(colour, 8, 16);
    }
    return {};
}

// What is wrong with the frame of a tile drawn for its pixels, or nothing.
inline QString frameFault(const QImage &tile)
{
    const QPoint last = tile.rect().bottomRight();
    const QPoint middle(tile.width() / 2, tile.height() / 2);
    // Across the middle, from each edge: outline, highlight or shadow, then the face. The face
    // of the stored tile starts 4 pixels in at the top and the left, 6 at the right and bottom.
    const QList<std::pair<QPoint, QPoint>> crossings
        = {{{middle.x(), 0}, {0, 1}}, {{0, middle.y()}, {1, 0}}, {{middle.x(), last.y()}, {0, -1}},
            {{last.x(), middle.y()}, {-1, 0}}};
    for (int i = 0; i < 4; ++i) {
        const auto [start, step] = crossings[i];
        const int units = step.x() != 0 ? 50 : 46;
        const QRgb inner = i < 2 ? white : grey;
        const int innerWidth = i < 2 ? 2 : 4;
        QString fault
            = bandFault(tile, start, step, units, {{black, 2}, {inner, innerWidth}, {silver, 0}});
        if (!fault.isEmpty())
            return fault;
    }
    // The outline's edge rows and columns are black but for the silver corner blocks.
    const QPoint corner(
        runs(tile, {0, 0}, {1, 0}, 1).front().second, runs(tile, {0, 0}, {0, 1}, 1).front().second);
    for (int x = 0; x <= last.x(); ++x) {
        const QRgb edge = x < corner.x() || x > last.x() - corner.x() ? silver : black;
        for (const QPoint p : {QPoint(x, 0), QPoint(x, last.y())})
            if (tile.pixel(p) != edge)
                return QStringLiteral("the outline's edge at %1,%2").arg(p.x()).arg(p.y());
    }
    for (int y = 0; y <= last.y(); ++y) {
        const QRgb edge = y < corner.y() || y > last.y() - corner.y() ? silver : black;
        for (const QPoint p : {QPoint(0, y), QPoint(last.x(), y)})
            if (tile.pixel(p) != edge)
                return QStringLiteral("the outline's edge at %1,%2").arg(p.x()).arg(p.y());
    }
    return {};
}

// The face's outermost ring of pixels, which no motif reaches.
inline QString faceFault(const QImage &tile)
{
    const QPoint middle(tile.width() / 2, tile.height() / 2);
    const auto inset = [&](QPoint start, QPoint step) {
        const auto bands = runs(tile, start, step, 2);
        return bands[0].second + bands[1].second;
    };
    const QPoint last = tile.rect().bottomRight();
    const QRect face(QPoint(inset({0, middle.y()}, {1, 0}), inset({middle.x(), 0}, {0, 1})),
        QPoint(last.x() - inset({last.x(), middle.y()}, {-1, 0}),
            last.y() - inset({middle.x(), last.y()}, {0, -1})));
    for (int x = face.left(); x <= face.right(); ++x)
        for (int y = face.top(); y <= face.bottom(); ++y)
            if ((x == face.left() || x == face.right() || y == face.top() || y == face.bottom())
                && tile.pixel(x, y) != silver)
                return QStringLiteral("the face at %1,%2").arg(x).arg(y);
    return {};
}

// The share of the tile's pixels in none of the design's colours: pixels that smoothing or
// scaling blended.
inline double blendedShare(const QImage &tile)
{
    int blended = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            blended += !designColours.contains(tile.pixel(x, y));
    return double(blended) / (tile.width() * tile.height());
}

// The stored picture that @p tile, brought down to the stored size, looks most like.
inline int likest(const QImage &tile, const Form1 &form)
{
    const QImage small = tile.scaled(50, 46, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int best = -1;
    qint64 bestDistance = 0;
    for (qint16 i = 0; i <= 9; ++i) {
        const QImage stored = form.Slika[i].picture().stored().toImage();
        qint64 distance = 0;
        for (int y = 0; y < 46; ++y) {
            for (int x = 0; x < 50; ++x) {
                const QRgb a = small.pixel(x, y), b = stored.pixel(x, y);
                distance += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b))
                    + qAbs(qBlue(a) - qBlue(b));
            }
        }
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace tilecheck
