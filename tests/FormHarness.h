// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedRandom.h"
#include "app/Accessibility.h"
#include "app/Form1.h"
#include "game/Board.h"

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <memory>
#include <vector>

/// Shows @p window and waits until it is the active window, the window system's first word on
/// its size and focus said: a bare X server has no window manager to activate it, and a Wayland
/// compositor activates it on its own. Whether it became active.
inline bool showActive(QWidget &window)
{
    window.show();
    if (QGuiApplication::platformName() != "wayland")
        window.activateWindow();
    return QTest::qWaitForWindowExposed(&window)
        && QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
}

/// A started Form1, as the program starts it, whose codes come from a script, with short ways to
/// play it and read it.
class FormHarness
{
public:
    /// Starts the window; its first game draws @p firstCode from the six stored symbols.
    explicit FormHarness(const std::vector<int> &firstCode = {1, 2, 3, 4})
    {
        auto source = std::make_unique<ScriptedRandom>();
        random = source.get();
        random->deal(firstCode, 6);
        form = std::make_unique<Form1>(std::move(source));
        accessibility::attach(*form);
    }

    /// Clicks the Znak elements with these indices, one after another.
    void click(std::initializer_list<int> indices)
    {
        for (const int index : indices)
            form->Znak_Click(static_cast<qint16>(index));
    }

    /// Deals a new game with button "Nova igra", drawing @p code.
    void newGame(const std::vector<int> &code)
    {
        random->deal(code, symbols());
        form->Command1_Click();
    }

    int symbols() const { return form->Text1->text().toInt(); }

    /// Row, place and marker counter, as the labels hold them.
    QString counters() const
    {
        return form->Label1->caption() + u' ' + form->Label2->caption() + u' '
            + form->Label3->caption();
    }

    /// The board's elements: everything but the template and the palette.
    std::vector<qint16> board() const
    {
        std::vector<qint16> result;
        for (const qint16 index : form->Znak.indices())
            if (game::onBoard(index))
                result.push_back(index);
        return result;
    }

    /// Whether element @p index shows stored picture @p picture.
    bool shows(int index, int picture) const
    {
        return form->Znak[static_cast<qint16>(index)].picture().number() == picture;
    }

    std::unique_ptr<Form1> form;
    ScriptedRandom *random = nullptr;
};
