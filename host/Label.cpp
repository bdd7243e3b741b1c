// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Label.h"
#include "host/Window.h"

namespace host {

Label::Label(const QString &caption, QWidget *parent) : QLabel(caption, parent) { }

void Label::write(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    // Called directly, not through a signal, so that an error in the handler reaches the
    // handler that wrote the caption.
    if (m_onChange)
        m_onChange();
    Q_EMIT changed();
}

void Label::setChangeHandler(std::function<void()> handler)
{
    m_onChange = std::move(handler);
}

void Label::setVisible(bool visible)
{
    const bool wasShown = !isHidden();
    QLabel::setVisible(visible);
    if (!wasShown && visible && !m_spokenName.isEmpty())
        setAccessibleName(m_spokenName.arg(caption().trimmed()));
    announceVisibility(this, wasShown);
}

} // namespace host
