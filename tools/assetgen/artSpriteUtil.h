#pragma once
// Helpers shared by the world-sprite painters.
#include <string>

#include "artCanvas.h"
#include "artPictures.h"

// The left and right 64-pixel halves of a 128 × 64 split sprite.
floatCanvas leftHalf(const floatCanvas &wide);
floatCanvas rightHalf(const floatCanvas &wide);
// 0 … 1 threshold of a 4 × 4 ordered dither, for see-through ghosts.
float ditherThreshold(int x, int y);
// Keeps only texels whose dither threshold lies under the density, dimming the rest of
// the picture by the given factor: the sprite reads as half there.
void thinOut(floatCanvas &canvas, float density, float dim);
// Makes every texel the cut keeps fully opaque in its own colour and clears the rest, so
// no edge texel is blended with the backdrop: such a texel is darker than the paint around
// it and goes black first as the picture is darkened for the night.
void settleEdges(floatCanvas &canvas, float cut);
// Adds a soft halo of light around everything painted so far.
void addHalo(floatCanvas &canvas, rgbColour colour, int radius, float strength);
void addSprite(pictureSink &sink, const std::string &path, const floatCanvas &canvas, float cut = 0.5f);
