#pragma once
// A tiny 5 × 7 bitmap font for labelling the contact sheet.
#include <functional>
#include <string>

constexpr int labelAdvance = 6;
constexpr int labelHeight = 8;

// Calls plot for every pixel of the text set with its top-left corner at (x, y).
void drawLabel(const std::function<void(int, int)> &plot, int x, int y, const std::string &text,
               int scale = 1);
int labelWidth(const std::string &text, int scale = 1);
