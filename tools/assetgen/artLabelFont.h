#pragma once
// A tiny 5 × 7 bitmap font for labelling the contact sheet.
#include <string>

#include "artCanvas.h"

constexpr int kLabelAdvance = 6;
constexpr int kLabelHeight = 8;

// Draws text with its top-left corner at (x, y), one canvas pixel per font dot times scale.
void drawLabel(Canvas &canvas, int x, int y, const std::string &text, Colour colour, int scale = 1);
int labelWidth(const std::string &text, int scale = 1);
