#pragma once
// The game's letters as pen strokes, so one design serves the 20-pixel text glyphs,
// the large logo word and the small copyright line alike.
#include <string>

#include "artCanvas.h"

constexpr float glyphHeight = 20.0f; // design box height; the baseline is at 15

// Pixels the pen moves after the character at the design size (the game's advance table).
int glyphAdvance(char c);
// Draws one character with its design box's top-left at (x, y), scaled, as a stroke of the
// given width in design units.
void strokeGlyph(floatCanvas &canvas, char c, float x, float y, float scale, float penWidth,
                 rgbColour colour);
// Draws a word with the game's advances; returns the pen position after it.
float strokeText(floatCanvas &canvas, const std::string &text, float x, float y, float scale, float penWidth,
                 rgbColour colour);
float textWidth(const std::string &text, float scale);
