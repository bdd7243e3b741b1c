// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ClientArea.h"
#include "host/Events.h"
#include "host/Twips.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace host {

namespace {

// The rows' scroll area. Its canvas holds the rows in the client area's own coordinates, so that
// the scroll position alone decides where they show.
class RowsArea final : public QAbstractScrollArea
{
public:
    RowsArea(QWidget *window, int band)
        : QAbstractScrollArea(window), m_canvas(new QWidget(viewport())), m_band(band)
    {
        setFrameShape(QFrame::NoFrame);
        // The window's own background, and no stop in the keyboard's tab order.
        viewport()->setAutoFillBackground(false);
        setFocusPolicy(Qt::NoFocus);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        placeCanvas();
    }

    QWidget *canvas() const { return m_canvas; }

protected:
    void scrollContentsBy(int, int) override { placeCanvas(); }

private:
    void placeCanvas() { m_canvas->move(0, -m_band - verticalScrollBar()->value()); }

    QWidget *m_canvas;
    int m_band;
};

} // namespace

ClientArea::ClientArea(QWidget *window) : QObject(window), m_window(window) { }

ClientArea &ClientArea::of(QWidget *window)
{
    auto *area = window->findChild<ClientArea *>(QString(), Qt::FindDirectChildrenOnly);
    return area ? *area : *new ClientArea(window);
}

void ClientArea::setScrolling(double top, double notch)
{
    m_scrollingTop = top;
    m_band = toPixels(top);
    auto *rows = new RowsArea(m_window, m_band);
    m_rows = rows;
    m_canvas = rows->canvas();
    rows->verticalScrollBar()->setSingleStep(
        std::max(1, toPixels(notch) / QApplication::wheelScrollLines()));
    rows->lower();
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

void ClientArea::setBoard(std::function<Board()> board)
{
    m_board = std::move(board);
}

void ClientArea::boardChanged()
{
    // Once for all the changes an event makes, when it is over.
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &ClientArea::follow, Qt::QueuedConnection);
}

int ClientArea::scrollPosition() const
{
    return m_rows ? m_rows->verticalScrollBar()->value() : 0;
}

bool ClientArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        layOutRows(m_window->size());
    return false;
}

void ClientArea::follow()
{
    m_pending = false;
    if (!m_board || !m_rows)
        return;
    Board board;
    raise("ClientArea", [&] { board = m_board(); });
    const QRect extent = twipsRect(board.extent);
    m_boardBottom = extent.bottom() + 1;

    // The window never shrinks by itself. It grows downward as far as the screen lets it; below
    // that the rows scroll, and the scroll bar takes its width beside the board.
    const QSize client = m_window->size();
    const int height = std::max(client.height(), std::min(m_boardBottom, roomBelow()));
    const int bar = m_boardBottom > height ? scrollBarWidth() : 0;
    const QSize wanted(std::max(client.width(), extent.right() + 1 + bar), height);
    if (wanted != client)
        m_window->resize(wanted);
    layOutRows(wanted);
    scrollTo(twipsRect(board.focus));
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
    // The scroll bar is there exactly while the rows scroll, at once rather than later.
    const int range = std::max(0, m_boardBottom - client.height());
    m_rows->setVerticalScrollBarPolicy(range > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QScrollBar *bar = m_rows->verticalScrollBar();
    bar->setRange(0, range);
    bar->setPageStep(std::max(1, shown));
}

void ClientArea::scrollTo(const QRect &focus)
{
    // As little as it takes to show the focus whole; its top first, should it be too tall.
    QScrollBar *bar = m_rows->verticalScrollBar();
    const int shown = m_rows->height();
    int position = bar->value();
    position = std::max(position, focus.bottom() + 1 - m_band - shown);
    position = std::min(position, focus.top() - m_band);
    bar->setValue(position);
}

} // namespace host
