#pragma once
// Finished 8-bit pictures, and the ways a painted canvas becomes one.
#include <cstdint>
#include <vector>

#include "artCanvas.h"

struct Image8 {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<uint8_t> rgba; // four bytes per texel even when the alpha is not written
};

// A sprite for the 3-D view: texels below the cut become the magenta key, the rest are
// made opaque over the backdrop. No opaque texel is left pure magenta.
Image8 toSprite(const Canvas &canvas, float cut = 0.5f, Colour backdrop = rgb(4, 4, 8));
// A picture with real alpha (overlays, glyphs, the dashboard).
Image8 toRgba(const Canvas &canvas);
// An opaque picture; alpha is ignored.
Image8 toRgb(const Canvas &canvas);
// Shrinks by a whole factor, averaging; magenta-keyed sprites keep their key.
Image8 shrunk(const Image8 &image, int factor);
// Grows by a whole factor, texel by texel.
Image8 enlarged(const Image8 &image, int factor);
