// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for a window that shows text: the empty window with one push button, whose caption
// makes the toolkit start its font system, started like the others up to its first frame.
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
    auto *button = new QPushButton(QStringLiteral("Nova igra"), &window);
    button->setGeometry(8, 8, 89, 25);
    return bench::runToFirstFrame(window);
}
