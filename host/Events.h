// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QAbstractButton;

namespace host {

/// Runs the event handler named @p handler. An error it raises ends the handler, is written as
/// one line to standard error and goes no further: the window keeps running.
void runHandler(const char *handler, const std::function<void()> &body) noexcept;

/// Raises @p body as the click event of @p button.
void connectClick(QAbstractButton *button, const char *handler, std::function<void()> body);

} // namespace host
