// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor: an empty window of the game window's size and title, started the way the
// program starts, up to its first painted frame. Built a second time with VORN_WITH_CONTROLS, it
// is the floor for the game's window as the toolkit gives it: the same six captioned buttons and
// two boxes in the same places, plain, in the default font, and nothing else. Their captions
// make the toolkit start its font system.
#include "StartupProbe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#ifdef VORN_WITH_CONTROLS
namespace {

// The game window's controls, left to right, with their places in pixels.
void addControls(QWidget &window)
{
    struct Control
    {
        const char *caption;
        QRect place;
        bool button;
    };
    const Control controls[] = {
        {"Nova igra", {8, 8, 89, 25}, true},
        {"<", {112, 8, 17, 25}, true},
        {"6", {128, 8, 24, 24}, false},
        {">", {152, 8, 17, 25}, true},
        {"<", {184, 8, 17, 25}, true},
        {"4", {200, 8, 24, 24}, false},
        {">", {224, 8, 17, 25}, true},
        {"?", {264, 8, 25, 25}, true},
    };
    for (const Control &control : controls) {
        const QString caption = QString::fromLatin1(control.caption);
        QWidget *widget = nullptr;
        if (control.button) {
            widget = new QPushButton(caption, &window);
        } else {
            auto *box = new QLineEdit(caption, &window);
            box->setAlignment(Qt::AlignCenter);
            box->setEnabled(false);
            widget = box;
        }
        widget->setGeometry(control.place);
    }
}

} // namespace
#endif

int main(int argc, char *argv[])
{
    bench::notePhase("main");
    QApplication application(argc, argv);
    bench::nameApplication();
    bench::notePhase("application");

    QWidget window;
    window.setWindowTitle(QStringLiteral("Vorn"));
    window.resize(432, 509);
#ifdef VORN_WITH_CONTROLS
    addControls(window);
#endif
    return bench::runToFirstFrame(window);
}
