// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;

/// What a screen reader says of the window, in the program's own language: the names of the
/// controls and pictures, the order it reads them in, and the score of each scored row. It
/// watches the window from outside the handlers and changes nothing that is drawn.
namespace accessibility {

/// Gives @p window its reading order and names its controls, its stored pictures and its palette;
/// from then on names each board picture when it is shown, tells each scored row's score, and
/// reads the solution when it is shown. Call it once, on the window just made.
void attach(Form1 &window);

} // namespace accessibility
