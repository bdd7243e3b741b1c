// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    QApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vorn"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/vorn.ico")));

    Form1 window;
    window.show();
    return QApplication::exec();
}
