// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Identity.h"

#include <QApplication>

void setIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    QApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vorn"));
}
