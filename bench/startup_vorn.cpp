// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as main() does it, up to the first painted frame of its window.
#include "StartupProbe.h"
#include "app/Accessibility.h"
#include "app/Form1.h"
#include "app/Identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    bench::notePhase("main");
    QApplication application(argc, argv);
    setIdentity();
    bench::notePhase("application");

    Form1 window;
    accessibility::attach(window);
    return bench::runToFirstFrame(window);
}
