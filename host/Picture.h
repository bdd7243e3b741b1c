// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

#include <functional>
#include <memory>

namespace host {

/// A stored picture as a program hands it around: which one it is, its bitmap at its own size,
/// and a drawing that paints it afresh for any other size. Copies are cheap and share what has
/// been drawn, so a picture shown by many elements is drawn once for each size.
class Picture
{
public:
    /// Paints the picture over the whole of an image of the given size in device pixels.
    using Drawing = std::function<QImage(QSize)>;

    /// No picture.
    Picture() = default;
    /// Stored picture @p number with its bitmap; @p drawing paints it for other sizes, and
    /// without one the bitmap is scaled.
    Picture(int number, const QPixmap &stored, Drawing drawing = {});

    bool isNull() const { return !m_shared; }
    /// Which stored picture this is, or -1 for none.
    int number() const;
    /// The bitmap at its own size, in device-independent pixels.
    QPixmap stored() const;
    QSize size() const { return stored().size(); }

    /// The picture over @p pixels device pixels of a device with @p ratio device pixels to each
    /// pixel: drawn for them the first time and kept, and tagged with the ratio. Null when there
    /// is no picture.
    QPixmap at(QSize pixels, qreal ratio) const;

    /// Two pictures are the same when they are copies of one.
    bool operator==(const Picture &other) const { return m_shared == other.m_shared; }

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace host
