// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/ClientArea.h"

#include <QList>
#include <QWidget>

#include <functional>

namespace host {

/// A top-level window: its client area lays out the controls in twips, and assistive technology,
/// such as a screen reader, reads its controls in the order the program gives.
class Window : public QWidget
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);

    /// The client area that places every control of the window.
    ClientArea &clientArea() { return m_client; }

    /// Lists the controls to assistive technology in the order @p order gives, leaving out the
    /// hidden ones, whatever widget holds each control. Without an order the window lists its
    /// child widgets, as the toolkit does.
    void setReadingOrder(std::function<QList<QWidget *>()> order);
    /// Whether the window has been given a reading order.
    bool hasReadingOrder() const { return static_cast<bool>(m_readingOrder); }
    /// The shown controls in reading order.
    QList<QWidget *> shownControls() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    ClientArea m_client;
    std::function<QList<QWidget *>()> m_readingOrder;
};

/// Tells assistive technology that @p control, shown before or not as @p wasShown says, has
/// joined its window's controls or left them. Call it after every change of visibility.
void announceVisibility(QWidget *control, bool wasShown);

} // namespace host
