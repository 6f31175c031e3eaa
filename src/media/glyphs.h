#pragma once
// Drawing the game's font: one picture per character and style (0 darkest ... 4 brightest),
// looked up in the image bank through the glyph table.
#include <string_view>

#include "media/glyphTable.h"

class imageBank;

// Blits the glyph of a one-character letter at (x, y) of the screen; any other letter
// ("none", a space, a character outside the font) draws nothing.
void drawLetter(imageBank &bank, int x, int y, std::string_view letter, int style);
