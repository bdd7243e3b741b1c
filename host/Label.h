// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <functional>

namespace host {

/// A label whose caption raises a change event inside the write that changes it. Assistive
/// technology is told when it is shown or hidden.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(const QString &caption, QWidget *parent = nullptr);

    /// The caption as last written.
    QString caption() const { return text(); }
    /// Writes the caption; when it changes, the change event runs before this returns.
    void write(const QString &caption);
    /// The handler raised by every change of the caption.
    void setChangeHandler(std::function<void()> handler);

    /// Shows or hides the label; assistive technology is told when it comes or goes.
    void setVisible(bool visible) override;
    /// Has assistive technology read the label, from each time it is shown, as @p name with the
    /// caption, less the blanks around it, for %1.
    void setSpokenName(const QString &name) { m_spokenName = name; }

Q_SIGNALS:
    /// The caption has changed and its change event has run.
    void changed();

private:
    // Every write goes through write(), so that no change escapes the change event.
    using QLabel::clear;
    using QLabel::setNum;
    using QLabel::setText;

    std::function<void()> m_onChange;
    QString m_spokenName;
};

} // namespace host
