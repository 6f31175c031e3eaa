#pragma once
// A shaded picture held once: its 64 x 64 texels as indices into a list of its colours,
// and for every light level a palette giving each colour as it looks at that level.
// Darkening depends on nothing but the colour, so a texel read through the level's
// palette is the texel of a darkened copy. Levels whose palettes come out the same
// (the blank picture's, the all-black darkest ones) share one palette.
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "media/imageSlots.h"

// Sprites are clear where their texel is pure magenta, whatever its alpha byte.
inline bool isKeyTexel(Uint32 texel) {
    return (texel & 0x00FFFFFF) == 0x00FF00FF;
}

// The runs of texels of each column that are not the magenta key, top to bottom, so that a
// sprite column skips its clear parts. Darkening keeps the key and never makes it, so one
// table serves every light level.
struct opaqueRuns {
    uint16_t firstOfColumn[shadedPictureSize + 1] = {}; // column tx has runs first[tx] ... first[tx + 1] - 1
    std::vector<uint8_t> start;
    std::vector<uint8_t> end; // one past the run's last texel row

    // From the texels at full light.
    void find(const uint16_t *indices, const Uint32 *palette);
    void clear() { *this = opaqueRuns{}; }
};

// One light level of a shaded picture, as the floor caster and the sprite drawer read it.
struct shadedTexels {
    const uint16_t *indices = nullptr; // null: no picture
    const Uint32 *palette = nullptr;
    const opaqueRuns *runs = nullptr;
    Uint32 at(int tx, int ty) const { return palette[indices[ty * shadedPictureSize + tx]]; }
};

struct shadedPicture {
    std::vector<uint16_t> indices;   // row by row; empty when the frame has no picture
    std::vector<Uint32> palettes;    // the distinct palettes, colourCount pixels each
    int colourCount = 0;             // at most 64 x 64, so an index fits 16 bits
    int paletteOf[lightLevels] = {}; // which of the distinct palettes each level reads
    SDL_PixelFormat format = {};     // the display format the colours are pixels of
    opaqueRuns runs;                 // found as the picture is indexed

    bool empty() const { return indices.empty(); }
    int distinctPalettes() const {
        return colourCount == 0 ? 0 : static_cast<int>(palettes.size()) / colourCount;
    }
    const Uint32 *palette(int level) const {
        return palettes.data() + static_cast<size_t>(paletteOf[level]) * colourCount;
    }
    shadedTexels atLevel(int level) const {
        return empty() ? shadedTexels{} : shadedTexels{indices.data(), palette(level), &runs};
    }

    // Indexes a 64 x 64 32-bit picture; every level shows it as it is. A picture of any
    // other size or depth leaves the frame empty: the renderer reads 64 x 64 texels.
    void index(SDL_Surface *picture);
    // Makes the palettes of levels 1 ... 24 from the full-light one, each colour pulled
    // towards black by the level's step (see imageBank::darken).
    void darken(const int32_t (&darkenStep)[lightLevels]);
    void clear() { *this = shadedPicture{}; }
};
