// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"
#include "app/Form1.h"
#include "app/Identity.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setIdentity();

    Form1 window;
    accessibility::attach(window);
    window.show();
    const int status = QApplication::exec();
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.4's Wayland platform can deadlock closing its connection to the compositor, and the
    // process would outlive its window. The game keeps nothing, so it leaves without that.
    if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
#endif
    return status;
}
