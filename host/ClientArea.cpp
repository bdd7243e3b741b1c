// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ClientArea.h"
#include "host/Events.h"
#include "host/Twips.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace host {

ClientArea::ClientArea(QWidget *window) : m_window(window) { }

void ClientArea::setScrolling(double top, double notch)
{
    m_scrollingTop = top;
    m_band = toPixels(top);
    m_rows = new QScrollArea(m_window);
    m_rows->setFrameShape(QFrame::NoFrame);
    // No stop in the keyboard's tab order, and the window's own background behind the rows.
    m_rows->setFocusPolicy(Qt::NoFocus);
    m_rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rows->viewport()->setAutoFillBackground(false);
    // The rows keep the client area's coordinates: their canvas starts at the client area's top,
    // a band's height above the scrolled widget, whose top is the first row that shows.
    auto *scrolled = new QWidget;
    m_canvas = new QWidget(scrolled);
    m_canvas->move(0, -m_band);
    m_rows->setWidget(scrolled);
    scrolled->setAutoFillBackground(false);
    m_rows->verticalScrollBar()->setSingleStep(
        std::max(1, toPixels(notch) / QApplication::wheelScrollLines()));
    m_rows->lower();
    layOutRows(m_window->size());
    m_window->installEventFilter(this);
}

void ClientArea::put(QWidget *control, double left, double top, double width, double height)
{
    QWidget *surface = m_rows && top >= m_scrollingTop ? m_canvas : m_window;
    if (control->parentWidget() != surface) {
        const bool shown = !control->isHidden();
        control->setParent(surface);
        control->setVisible(shown);
    }
    const QRect rect = twipsRect(left, top, width, height);
    control->setGeometry(rect);
    if (surface == m_canvas)
        m_canvas->resize(m_canvas->size().expandedTo({rect.right() + 1, rect.bottom() + 1}));
}

void ClientArea::setContent(std::function<Content()> content)
{
    m_content = std::move(content);
}

void ClientArea::contentChanged()
{
    // Once for all the changes an event makes, when it is over.
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &ClientArea::bringIntoView, Qt::QueuedConnection);
}

bool ClientArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        resized();
    return false;
}

void ClientArea::resized()
{
    // Some Wayland compositors answer each size the window takes with that size, late, and
    // Qt's Wayland platform takes the answer: an answer to an earlier size, come after later
    // ones, would undo them. The latest size is asked for again. Any other size is the
    // player's, or the window system's, and stands.
    const QSize size = m_window->size();
    const auto earlier = std::ranges::find(m_sizes, size);
    if (earlier == m_sizes.end()) {
        remember(size);
    } else if (earlier + 1 != m_sizes.end()) {
        m_sizes.erase(m_sizes.begin(), earlier);
        const QSize latest = m_sizes.back();
        QMetaObject::invokeMethod(
            m_window,
            [this, latest] {
                if (m_sizes.back() == latest)
                    m_window->resize(latest);
            },
            Qt::QueuedConnection);
    }
    layOutRows(size);
}

void ClientArea::remember(QSize size)
{
    constexpr std::size_t Kept = 16;
    if (m_sizes.size() == Kept)
        m_sizes.erase(m_sizes.begin());
    m_sizes.push_back(size);
}

void ClientArea::bringIntoView()
{
    m_pending = false;
    if (!m_content || !m_rows)
        return;
    Content content;
    runHandler("ClientArea", [&] { content = m_content(); });
    const QRect extent = twipsRect(content.extent);
    m_contentSize = {extent.right() + 1, extent.bottom() + 1};

    // The window never shrinks by itself. It grows downward as far as the screen lets it; below
    // that the rows scroll, and the scroll bar takes its width beside the content.
    const QSize client = m_window->size();
    const int height = std::max(client.height(), std::min(m_contentSize.height(), roomBelow()));
    const int bar = m_contentSize.height() > height ? scrollBarWidth() : 0;
    const QSize wanted(std::max(client.width(), m_contentSize.width() + bar), height);
    if (wanted != client) {
        remember(wanted);
        m_window->resize(wanted);
    }
    layOutRows(wanted);

    // As little as it takes to show the next place whole: its bottom edge, then its top edge,
    // which wins should the place be taller than the rows' view.
    const QRect next = twipsRect(content.nextPlace).translated(0, -m_band);
    m_rows->ensureVisible(next.left(), next.bottom() + 1, 0, 0);
    m_rows->ensureVisible(next.left(), next.top(), 0, 0);
}

int ClientArea::roomBelow() const
{
    // How tall the client area may become with its top where it is: the frame's bottom edge
    // stays inside the screen's available area.
    const QRect available = m_window->screen()->availableGeometry();
    const QRect client = m_window->geometry();
    const int frameBelow = m_window->frameGeometry().bottom() - client.bottom();
    return available.bottom() - frameBelow - client.top() + 1;
}

int ClientArea::scrollBarWidth() const
{
    return m_rows->verticalScrollBar()->sizeHint().width();
}

void ClientArea::layOutRows(QSize client)
{
    const int shown = std::max(0, client.height() - m_band);
    m_rows->setGeometry(0, m_band, client.width(), shown);
    // The scroll bar is there exactly while the rows scroll, at once rather than once the scroll
    // area has noticed. The scrolled widget reaches down to the content's bottom, or fills the
    // view, and is never wider than the content, which the window is made wide enough to show.
    const int range = std::max(0, m_contentSize.height() - client.height());
    m_rows->setVerticalScrollBarPolicy(range > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_rows->widget()->resize(m_contentSize.width(), shown + range);
}

} // namespace host
