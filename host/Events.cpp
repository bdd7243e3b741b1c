// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Events.h"

#include <QAbstractButton>
#include <QtDebug>

#include <exception>

namespace host {

void runHandler(const char *handler, const std::function<void()> &body) noexcept
{
    // Qt's event loop must never see an exception: it cannot unwind through it.
    try {
        body();
    } catch (const std::exception &error) {
        qWarning("vorn: error in %s: %s", handler, error.what());
    } catch (...) {
        qWarning("vorn: error in %s", handler);
    }
}

void connectClick(QAbstractButton *button, const char *handler, std::function<void()> body)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
        [handler, body = std::move(body)] { runHandler(handler, body); });
}

} // namespace host
