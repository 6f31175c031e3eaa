#include "platform/surfaces.h"

#include "platform/alphaBlend.h"

#include <algorithm>
#include <cstring>

namespace {

// SDL here leaves a format's shifts and losses at zero and gives every surface alpha; the
// drawing code reads them, so they are set from the masks.
void fillFormat(SDL_PixelFormat *format, const Uint32 rmask, const Uint32 gmask, const Uint32 bmask,
                const Uint32 amask) {
    const auto shiftOf = [](const Uint32 mask) { return static_cast<Uint8>(mask ? __builtin_ctz(mask) : 0); };
    const auto lossOf = [](const Uint32 mask) { return static_cast<Uint8>(8 - __builtin_popcount(mask)); };
    format->Rmask = rmask;
    format->Gmask = gmask;
    format->Bmask = bmask;
    format->Amask = amask;
    format->Rshift = shiftOf(rmask);
    format->Gshift = shiftOf(gmask);
    format->Bshift = shiftOf(bmask);
    format->Ashift = shiftOf(amask);
    format->Rloss = lossOf(rmask);
    format->Gloss = lossOf(gmask);
    format->Bloss = lossOf(bmask);
    format->Aloss = lossOf(amask);
}

Uint32 *rowOf(SDL_Surface *surface, const int x, const int y) {
    return reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(surface->pixels) + y * surface->pitch) + x;
}

} // namespace

SDL_Surface *createPixelSurface(const int width, const int height, const Uint32 rmask, const Uint32 gmask,
                                const Uint32 bmask, const Uint32 amask) {
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, rmask, gmask, bmask, amask);
    if (surface != nullptr) {
        fillFormat(surface->format, rmask, gmask, bmask, amask);
        surface->flags &= ~static_cast<Uint32>(SDL_SRCALPHA);
    }
    return surface;
}

// The desktop's display format with alpha, so the pictures hold the same words there and here.
SDL_Surface *displayAlphaSample() {
    return createPixelSurface(1, 1, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
}

// The pixels are the surface's own memory throughout; the canvas behind it is never used.
bool mustLockPixels(const SDL_Surface *) {
    return false;
}

void setAlphaBlending(SDL_Surface *surface, const bool blend) {
    surface->flags =
        blend ? surface->flags | SDL_SRCALPHA : surface->flags & ~static_cast<Uint32>(SDL_SRCALPHA);
}

void copyAlphaSetting(const SDL_Surface *from, SDL_Surface *to) {
    setAlphaBlending(to, (from->flags & SDL_SRCALPHA) != 0);
}

// A surface here has no alpha of its own: it blends at full strength whenever it blends.
bool blendsAtFullStrength(const SDL_Surface *surface) {
    return (surface->flags & SDL_SRCALPHA) != 0;
}

void blitPixels(SDL_Surface *source, SDL_Rect *clip, SDL_Surface *destination, SDL_Rect *at) {
    if (source->format->BytesPerPixel != 4 || destination->format->BytesPerPixel != 4) {
        return;
    }
    int left = clip != nullptr ? clip->x : 0;
    int top = clip != nullptr ? clip->y : 0;
    int right = clip != nullptr ? left + clip->w : source->w;
    int bottom = clip != nullptr ? top + clip->h : source->h;
    int x = at != nullptr ? at->x : 0;
    int y = at != nullptr ? at->y : 0;
    // Cut to the source, then to the destination, moving the other side along.
    x += std::max(0, -left);
    y += std::max(0, -top);
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, source->w);
    bottom = std::min(bottom, source->h);
    left += std::max(0, -x);
    top += std::max(0, -y);
    x = std::max(x, 0);
    y = std::max(y, 0);
    right = std::min(right, left + destination->w - x);
    bottom = std::min(bottom, top + destination->h - y);
    if (at != nullptr) {
        *at = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(std::max(right - left, 0)),
               static_cast<Uint16>(std::max(bottom - top, 0))};
    }
    if (right <= left || bottom <= top) {
        return;
    }
    const bool blend = (source->flags & SDL_SRCALPHA) != 0 && source->format->Amask != 0;
    for (int row = top; row < bottom; row++) {
        const Uint32 *from = rowOf(source, left, row);
        Uint32 *to = rowOf(destination, x, y + row - top);
        if (!blend) {
            std::memcpy(to, from, static_cast<size_t>(right - left) * 4);
            continue;
        }
        for (int i = 0; i < right - left; i++) {
            to[i] = blendPixel(from[i], to[i]);
        }
    }
}
