// The darkening pass that makes the 24 darker copies of every shaded picture.
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

} // namespace

void imageBank::darken(SDL_Surface *surface, int level, Uint32 target, bool clearNearTarget) const {
    if (surface == nullptr || surface->format->BytesPerPixel != 4) {
        return;
    }
    const int step = darkenStep[std::clamp(level, 1, darkestLevel)];
    const channels targetColour = channelsOf(target);
    // Shaded pictures are 64 x 64; a smaller surface is darkened only where it has texels.
    const int width = std::min(surface->w, shadedPictureSize);
    const int height = std::min(surface->h, shadedPictureSize);

    const surfaceLock lock(surface);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            const channels colour = channelsOf(getPixel(surface, x, y));
            if (isTransparent(colour)) {
                continue;
            }
            const channels result = darkenedColour(colour, targetColour, step, clearNearTarget);
            putPixel(surface, x, y, mapColour(surface, result.r, result.g, result.b));
        }
    }
}
