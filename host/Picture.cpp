// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Picture.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace host {

namespace {

// A window meets few screens; the pictures kept for the ones it has left stay few too.
constexpr std::size_t KeptSizes = 4;

} // namespace

struct Picture::Shared
{
    struct Drawn
    {
        QSize pixels;
        qreal ratio;
        QPixmap pixmap;
    };

    int number;
    QPixmap stored;
    Drawing drawing;
    std::vector<Drawn> drawn; // the latest last
};

Picture::Picture(int number, const QPixmap &stored, Drawing drawing)
    : m_shared(std::make_shared<Shared>(Shared {number, stored, std::move(drawing), {}}))
{ }

int Picture::number() const
{
    return m_shared ? m_shared->number : -1;
}

QPixmap Picture::stored() const
{
    return m_shared ? m_shared->stored : QPixmap();
}

QPixmap Picture::at(QSize pixels, qreal ratio) const
{
    if (!m_shared)
        return {};
    std::vector<Shared::Drawn> &drawn = m_shared->drawn;
    const auto found = std::ranges::find_if(
        drawn, [&](const Shared::Drawn &d) { return d.pixels == pixels && d.ratio == ratio; });
    if (found != drawn.end())
        return found->pixmap;

    QPixmap pixmap = m_shared->drawing
        ? QPixmap::fromImage(m_shared->drawing(pixels))
        : m_shared->stored.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    if (drawn.size() == KeptSizes)
        drawn.erase(drawn.begin());
    drawn.push_back({pixels, ratio, pixmap});
    return pixmap;
}

} // namespace host
