// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>

namespace host {

/// A single-line text box whose text, when the program writes it, raises a change event
/// inside the write.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(const QString &text, QWidget *parent = nullptr);

    /// Writes the text; when it changes, the change event runs before this returns.
    void write(const QString &text);
    /// The handler raised by every change of the text.
    void setChangeHandler(std::function<void()> handler);

Q_SIGNALS:
    /// The text has changed, and its change event has run.
    void changed();

private:
    // Every write goes through write(), so that no change escapes the change event.
    using QLineEdit::clear;
    using QLineEdit::insert;
    using QLineEdit::setText;

    std::function<void()> m_onChange;
};

} // namespace host
