// The darkening that makes the 24 darker levels of every shaded picture: a function of
// the colour alone, applied to whole surfaces or to the palettes of shaded pictures.
#include <algorithm>

#include "media/helpers.h"
#include "media/imageBank.h"

namespace {

struct channels {
    int r, g, b;
};

channels channelsOf(Uint32 pixel) {
    return {colourChannel('r', pixel), colourChannel('g', pixel), colourChannel('b', pixel)};
}

// Magenta marks the transparent texels of sprites; it must survive every light level.
bool isTransparent(const channels &colour) {
    return colour.r == 255 && colour.g == 0 && colour.b == 255;
}

int pullChannel(int value, int target, int step) {
    if (value < target) {
        return std::min(value + step, 255);
    }
    if (value > target) {
        return std::max(value - step, 0);
    }
    return target;
}

bool isNear(int value, int target) {
    return value > target - 2 && value < target + 2;
}

channels darkenedColour(const channels &colour, const channels &target, int step, bool clearNearTarget) {
    channels result = {pullChannel(colour.r, target.r, step), pullChannel(colour.g, target.g, step),
                       pullChannel(colour.b, target.b, step)};
    if (clearNearTarget && isNear(result.r, target.r) && isNear(result.g, target.g) &&
        isNear(result.b, target.b)) {
        result = {0, 0, 0};
    }
    // A channel the artist left at 0 is kept at 0 whatever the target.
    if (colour.r == 0) {
        result.r = 0;
    }
    if (colour.g == 0) {
        result.g = 0;
    }
    if (colour.b == 0) {
        result.b = 0;
    }
    return result;
}

// The format's pixel for a colour, as mapColour gives it for a surface of that format.
Uint32 pixelOf(const SDL_PixelFormat &format, const channels &colour) {
    if (format.palette != nullptr) {
        return SDL_MapRGB(&format, static_cast<Uint8>(colour.r), static_cast<Uint8>(colour.g),
                          static_cast<Uint8>(colour.b));
    }
    return (static_cast<Uint32>(colour.r >> format.Rloss) << format.Rshift) |
           (static_cast<Uint32>(colour.g >> format.Gloss) << format.Gshift) |
           (static_cast<Uint32>(colour.b >> format.Bloss) << format.Bshift) | format.Amask;
}

Uint32 darkenedPixel(const SDL_PixelFormat &format, Uint32 pixel, int step, Uint32 target,
                     bool clearNearTarget) {
    const channels colour = channelsOf(pixel);
    if (isTransparent(colour)) {
        return pixel;
    }
    return pixelOf(format, darkenedColour(colour, channelsOf(target), step, clearNearTarget));
}

// The same pull towards black with the near-black clearing, which the shaded pictures all
// use, in fewer steps: every channel falls by the step to no less than 0, so one that was
// 0 stays 0 by itself, and a colour left within 1 of black in every channel is black.
Uint32 darkenedTowardsBlack(const SDL_PixelFormat &format, Uint32 pixel, int step) {
    const channels colour = channelsOf(pixel);
    if (isTransparent(colour)) {
        return pixel;
    }
    const channels result = {std::max(colour.r - step, 0), std::max(colour.g - step, 0),
                             std::max(colour.b - step, 0)};
    if (result.r < 2 && result.g < 2 && result.b < 2) {
        return pixelOf(format, {0, 0, 0});
    }
    return pixelOf(format, result);
}

} // namespace

void shadedPicture::darken(const int32_t (&darkenStep)[lightLevels]) {
    if (empty()) {
        return;
    }
    const size_t count = static_cast<size_t>(colourCount);
    palettes.resize(count); // level 0, as loaded
    paletteOf[0] = 0;
    std::vector<Uint32> level(count);
    for (int lightLevel = 1; lightLevel < lightLevels; lightLevel++) {
        for (size_t i = 0; i < count; i++) {
            level[i] = darkenedTowardsBlack(format, palettes[i], darkenStep[lightLevel]);
        }
        // Darker levels often come out the same as the one before (all black at the end).
        const int previous = paletteOf[lightLevel - 1];
        if (std::equal(level.begin(), level.end(), palettes.begin() + previous * count)) {
            paletteOf[lightLevel] = previous;
            continue;
        }
        paletteOf[lightLevel] = distinctPalettes();
        palettes.insert(palettes.end(), level.begin(), level.end());
    }
    palettes.shrink_to_fit();
}

void imageBank::darken(SDL_Surface *surface, int level, Uint32 target, bool clearNearTarget) const {
    if (surface == nullptr || surface->format->BytesPerPixel != 4) {
        return;
    }
    const int step = darkenStep[std::clamp(level, 1, darkestLevel)];
    // Shaded pictures are 64 x 64; a smaller surface is darkened only where it has texels.
    const int width = std::min(surface->w, shadedPictureSize);
    const int height = std::min(surface->h, shadedPictureSize);

    const surfaceLock lock(surface);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            putPixel(surface, x, y,
                     darkenedPixel(*surface->format, getPixel(surface, x, y), step, target, clearNearTarget));
        }
    }
}
