// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"
#include "app/Form1.h"
#include "app/Identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setIdentity();

    Form1 window;
    accessibility::attach(window);
    window.show();
    return QApplication::exec();
}
