// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QRectF>

#include <functional>
#include <vector>

class QScrollArea;
class QWidget;

namespace host {

/// A window's client area, laid out in twips: a fixed band along the top and, below it, the
/// rows, which scroll once the window cannot grow to show them all. At scroll position 0 every
/// control stands exactly where its twips put it, measured from the client area's top-left
/// corner. This is the one place that decides what is in view.
class ClientArea : public QObject
{
    Q_OBJECT

public:
    /// What must be in view, in twips from the client area's top-left corner: everything laid
    /// out so far, and the next place, the one that the player's next move fills.
    struct Content
    {
        QRectF extent;
        QRectF nextPlace;
    };

    /// The client area of @p window, on which nothing scrolls until setScrolling().
    explicit ClientArea(QWidget *window);

    /// The window whose client area this is, and the parent of every control put on the band.
    QWidget *window() const { return m_window; }

    /// Lets everything whose top lies at or below @p top scroll, a wheel notch moving it by
    /// @p notch twips; everything above stays in the fixed band.
    void setScrolling(double top, double notch);
    /// Puts @p control at a rectangle given in twips, on the band or among the rows.
    void put(QWidget *control, double left, double top, double width, double height);

    /// Asks @p content what must be in view whenever the content has changed.
    void setContent(std::function<Content()> content);
    /// The content has changed. Once the current event is over, the window widens to show its
    /// whole width, grows downward to show the next place as far as the screen allows, and the
    /// rows scroll to it when the window can grow no further.
    void contentChanged();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void bringIntoView();
    int roomBelow() const;
    int scrollBarWidth() const;
    void layOutRows(QSize client);
    void resized();
    void remember(QSize size);

    QWidget *m_window;
    QScrollArea *m_rows = nullptr;
    QWidget *m_canvas = nullptr;
    int m_band = 0; // pixels
    double m_scrollingTop = 0; // twips
    std::function<Content()> m_content;
    QSize m_contentSize {0, 0}; // pixels
    bool m_pending = false;
    std::vector<QSize> m_sizes; // the window's latest sizes, oldest first
};

} // namespace host
