// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;

namespace host {
class ImageElement;
}

/// What a screen reader says of the window's controls and board pictures, in the program's own
/// language. Nothing here changes what is drawn.
namespace accessibility {

/// Names the buttons, the setting boxes and the solution label.
void describeControls(Form1 &window);
/// Names stored picture @p picture: a symbol (0 to 7) or a marker (8, 9).
void describePicture(host::ImageElement &element, int picture);
/// Names palette symbol @p symbol.
void describePaletteSymbol(host::ImageElement &element, int symbol);
/// Names the guess symbol @p symbol placed at @p place of @p row.
void describeGuessSymbol(host::ImageElement &element, int symbol, int row, int place);
/// Names a hit marker or a near marker.
void describeMarker(host::ImageElement &element, bool hit);

} // namespace accessibility
