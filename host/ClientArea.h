// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QRectF>

#include <functional>

class QAbstractScrollArea;
class QWidget;

namespace host {

/// A window's client area, laid out in twips: a fixed band along the top and, below it, the
/// rows of the board, which scroll once the window cannot grow to show them all. At scroll
/// position 0 every control stands exactly where its twips put it, measured from the client
/// area's top-left corner. This is the one place that decides what is in view.
class ClientArea : public QObject
{
    Q_OBJECT

public:
    /// What must be in view, in twips from the client area's top-left corner: the board laid
    /// out so far, and the place on it that the player's next move fills.
    struct Board
    {
        QRectF extent;
        QRectF focus;
    };

    /// The client area of @p window, made on first use.
    static ClientArea &of(QWidget *window);

    /// Lets everything whose top lies at or below @p top scroll, a wheel notch moving it by
    /// @p notch; everything above stays in the fixed band. Without it nothing scrolls.
    void setScrolling(double top, double notch);
    /// Puts @p control at a rectangle given in twips, on the band or among the rows.
    void put(QWidget *control, double left, double top, double width, double height);

    /// Asks @p board what must be in view whenever the board has changed.
    void setBoard(std::function<Board()> board);
    /// The board has changed. Once the current event is over, the window widens to show the
    /// board's whole width, grows downward to show its focus as far as the screen allows, and
    /// the rows scroll to the focus when the window can grow no further.
    void boardChanged();

    /// How far the rows are scrolled, in pixels.
    int scrollPosition() const;

private:
    explicit ClientArea(QWidget *window);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void follow();
    int roomBelow() const;
    int scrollBarWidth() const;
    void layOutRows(QSize client);
    void scrollTo(const QRect &focus);

    QWidget *m_window;
    QAbstractScrollArea *m_rows = nullptr;
    QWidget *m_canvas = nullptr;
    int m_band = 0; // pixels
    double m_scrollingTop = 0; // twips
    std::function<Board()> m_board;
    int m_boardBottom = 0; // pixels
    bool m_pending = false;
};

} // namespace host
