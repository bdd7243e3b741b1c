// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/ClientArea.h"

#include <QWidget>

#include <memory>
#include <tuple>
#include <vector>

namespace host {

/// A top-level window: its client area lays out the controls in twips, and assistive technology,
/// such as a screen reader, reads its controls in the order the program gives.
class Window : public QWidget
{
    Q_OBJECT

public:
    /// Where a control is read: a window's controls are read in rising order of their places.
    using ReadingPlace = std::tuple<int, int, int>;

    explicit Window(QWidget *parent = nullptr);
    ~Window() override;

    /// The client area that places every control of the window.
    ClientArea &clientArea() { return m_client; }

    /// Reads @p control at @p place, whatever widget holds it, while it is shown and until it is
    /// destroyed; a control given a place again moves there. Once a control has a place, the
    /// window lists to assistive technology its shown controls that have places, in reading
    /// order; before, its child widgets, as the toolkit does.
    void setReadingPlace(QWidget *control, ReadingPlace place);
    /// Whether a control has been given a reading place.
    bool hasReadingOrder() const;
    /// The shown controls in reading order, kept up to date as controls are shown, hidden and
    /// destroyed.
    const std::vector<QWidget *> &shownControls() const;
    /// Where @p control stands among the shown controls, or -1 when it is not one of them.
    int readingIndex(const QObject *control) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Reading;

    ClientArea m_client;
    std::unique_ptr<Reading> m_reading;
};

/// Tells assistive technology that @p control, shown before or not as @p wasShown says, has
/// joined its window's controls or left them. Call it after every change of visibility.
void announceVisibility(QWidget *control, bool wasShown);

} // namespace host
