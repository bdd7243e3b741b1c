// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QtMath>

namespace host {

/// Twips in one device-independent pixel: the window is laid out for 96 dots per inch.
inline constexpr double TwipsPerPixel = 15.0;

/// The device-independent pixel nearest to a position or size in twips.
inline int toPixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

/// A rectangle given in twips, in device-independent pixels.
inline QRect twipsRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

/// A rectangle given in twips, in device-independent pixels.
inline QRect twipsRect(const QRectF &twips)
{
    return twipsRect(twips.left(), twips.top(), twips.width(), twips.height());
}

} // namespace host
