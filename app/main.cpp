// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"
#include "app/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();

    Form1 window;
    window.show();
    return QApplication::exec();
}
