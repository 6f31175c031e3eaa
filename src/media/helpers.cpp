#include "media/helpers.h"

#include "platform/surfaces.h"

void applySurface(Sint16 x, Sint16 y, SDL_Surface *source, SDL_Surface *destination, SDL_Rect *clip) {
    if (source == nullptr || destination == nullptr) {
        return;
    }
    SDL_Rect offset = makeRect(x, y, 0, 0);
    blitPixels(source, clip, destination, &offset);
}

SDL_Rect makeRect(Sint16 x, Sint16 y, Uint16 w, Uint16 h) {
    SDL_Rect rect;
    rect.x = x;
    rect.y = y;
    rect.w = w;
    rect.h = h;
    return rect;
}

surfaceLock::surfaceLock(SDL_Surface *target) : surface(target), held(false) {
    if (surface != nullptr && mustLockPixels(surface)) {
        held = SDL_LockSurface(surface) == 0;
    }
}

surfaceLock::~surfaceLock() {
    if (held) {
        SDL_UnlockSurface(surface);
    }
}

std::string intToString(int32_t value) {
    return std::to_string(value);
}
