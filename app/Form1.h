// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Code.h"
#include "game/Scoring.h"
#include "host/ImageArray.h"
#include "host/Label.h"
#include "host/Random.h"
#include "host/TextBox.h"
#include "host/Window.h"

#include <memory>

class QPushButton;

/// The game's one window: its stored controls, and the event handlers that deal games, take
/// guesses, score them, change the settings and reveal the solution. The game's state lives in
/// the controls themselves and in the three codes.
class Form1 : public host::Window
{
    Q_OBJECT

public:
    /// Builds the window from its stored layout, then raises its load event.
    explicit Form1(
        std::unique_ptr<host::RandomSource> random = std::make_unique<host::ClockRandom>(),
        QWidget *parent = nullptr);

    // The controls, under the names the handlers use.
    QPushButton *Command1 = nullptr; ///< "Nova igra": deals a new game.
    QPushButton *Command2 = nullptr; ///< "?": shows and hides the solution.
    QPushButton *Command3 = nullptr; ///< One symbol fewer.
    QPushButton *Command4 = nullptr; ///< One symbol more.
    QPushButton *Command5 = nullptr; ///< One place fewer.
    QPushButton *Command6 = nullptr; ///< One place more.
    host::TextBox *Text1 = nullptr; ///< The symbol count.
    host::TextBox *Text2 = nullptr; ///< The place count.
    host::Label *Label1 = nullptr; ///< The row counter, hidden.
    host::Label *Label2 = nullptr; ///< The place counter, hidden.
    host::Label *Label3 = nullptr; ///< The marker counter: the index the next marker takes, hidden.
    host::Label *Label4 = nullptr; ///< The solution text, hidden until revealed.
    host::ImageArray Znak {clientArea()}; ///< The board: template, palette, guesses, markers.
    host::ImageArray Slika {clientArea()}; ///< The stored pictures: symbols 0 to 7, hit 8, near 9.

    game::Code SecretCode; ///< The code to break.
    game::Code GuessCode; ///< The unfinished row's symbols; consumed while it is scored.
    game::Code WorkCode; ///< The secret's copy that scoring consumes.

    // The event handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Znak_Click(qint16 Index);
    void Znak_DblClick(qint16 Index);
    void Text2_Change();
    void Label1_Change();

private:
    void createButtons();
    void createBoxes();
    void createLabels();
    void createPictures();
    void connectEvents();
    void keepTheBoardInView();

    void showPaletteSymbol(double symbol);
    void placeSymbol(qint16 clicked);
    void takeBack(qint16 clicked);
    void layMarker(game::Marker marker, int k);

    std::unique_ptr<host::RandomSource> m_random;
};
