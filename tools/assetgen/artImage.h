#pragma once
// Finished 8-bit pictures, and the ways a painted canvas becomes one.
#include <cstdint>
#include <vector>

#include "artCanvas.h"

struct byteImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<uint8_t> rgba; // four bytes per texel even when the alpha is not written
};

// A sprite for the 3-D view: texels below the cut become the magenta key, the rest are
// made opaque over the backdrop. No opaque texel is left pure magenta.
byteImage toSprite(const floatCanvas &canvas, float cut = 0.5f, rgbColour backdrop = rgb(4, 4, 8));
// A picture with real alpha (overlays, glyphs, the dashboard).
byteImage toRgba(const floatCanvas &canvas);
// An opaque picture; alpha is ignored.
byteImage toRgb(const floatCanvas &canvas);
// Shrinks by a whole factor, averaging; magenta-keyed sprites keep their key.
byteImage shrunk(const byteImage &image, int factor);
// Grows by a whole factor, texel by texel.
byteImage enlarged(const byteImage &image, int factor);
