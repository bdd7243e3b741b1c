// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor: an empty window of the game window's size and title, started the way the
// program starts, up to its first painted frame. Built a second time with VORN_WITH_BUTTON, it is
// the floor for a window that shows text: one push button, whose caption makes the toolkit start
// its font system.
#include "StartupProbe.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    bench::notePhase("main");
    QApplication application(argc, argv);
    bench::nameApplication();
    bench::notePhase("application");

    QWidget window;
    window.setWindowTitle(QStringLiteral("Vorn"));
    window.resize(432, 509);
#ifdef VORN_WITH_BUTTON
    auto *button = new QPushButton(QStringLiteral("Nova igra"), &window);
    button->setGeometry(8, 8, 89, 25);
#endif
    return bench::runToFirstFrame(window);
}
