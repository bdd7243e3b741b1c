// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor: an empty window of the game window's size and title, started the way the
// program starts, up to its first painted frame.
#include "StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    bench::notePhase("main");
    QApplication application(argc, argv);
    bench::nameApplication();
    bench::notePhase("application");

    QWidget window;
    window.setWindowTitle(QStringLiteral("Vorn"));
    window.resize(432, 509);
    return bench::runToFirstFrame(window);
}
