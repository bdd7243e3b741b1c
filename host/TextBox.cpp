// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/TextBox.h"

namespace host {

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent) { }

void TextBox::write(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    if (m_onChange)
        m_onChange();
    Q_EMIT changed();
}

void TextBox::setChangeHandler(std::function<void()> handler)
{
    m_onChange = std::move(handler);
}

} // namespace host
