// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as main() does it, up to the first painted frame of its window.
#include "StartupProbe.h"
#include "app/Form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    bench::notePhase("main");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    QApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vorn"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/vorn.ico")));
    bench::notePhase("application");

    Form1 window;
    bench::notePhase("window");
    bench::reportFirstFrame(&window);
    window.show();
    bench::notePhase("shown");
    return QApplication::exec();
}
