#include "platform/surfaces.h"

SDL_Surface *createPixelSurface(const int width, const int height, const Uint32 rmask, const Uint32 gmask,
                                const Uint32 bmask, const Uint32 amask) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, rmask, gmask, bmask, amask);
}

SDL_Surface *displayAlphaSample() {
    SDL_Surface *raw = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    SDL_Surface *sample = raw != nullptr ? SDL_DisplayFormatAlpha(raw) : nullptr;
    SDL_FreeSurface(raw);
    return sample;
}

bool mustLockPixels(const SDL_Surface *surface) {
    return SDL_MUSTLOCK(surface);
}

void setAlphaBlending(SDL_Surface *surface, const bool blend) {
    SDL_SetAlpha(surface, blend ? SDL_SRCALPHA : 0, SDL_ALPHA_OPAQUE);
}

void copyAlphaSetting(const SDL_Surface *from, SDL_Surface *to) {
    SDL_SetAlpha(to, from->flags & SDL_SRCALPHA, from->format->alpha);
}

bool blendsAtFullStrength(const SDL_Surface *surface) {
    return (surface->flags & SDL_SRCALPHA) != 0 && surface->format->alpha == SDL_ALPHA_OPAQUE;
}

void blitPixels(SDL_Surface *source, SDL_Rect *clip, SDL_Surface *destination, SDL_Rect *at) {
    SDL_UpperBlit(source, clip, destination, at);
}
