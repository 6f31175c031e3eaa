#pragma once
// The game's font: one picture per character and style (0 darkest ... 4 brightest),
// looked up in the image bank, and the pen advance after each character.
#include <string_view>

class imageBank;

// The first of the five glyph slots of a character, or -1 when the font has no glyph
// for it (the space among them). Letters a-z, digits and _ . : - ! ? have one.
int glyphBaseSlot(char character);
// The slot of a character's glyph in a style, or -1 when there is none.
int glyphSlot(char character, int style);

// Pixels the pen moves after `character`; `nextCharacter` is '\0' at the end of a text.
int letterAdvance(char character, char nextCharacter);

// Blits the glyph of a one-character letter at (x, y) of the screen; any other letter
// ("none", a space, a character outside the font) draws nothing.
void drawLetter(imageBank &bank, int x, int y, std::string_view letter, int style);
