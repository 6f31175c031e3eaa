#pragma once
// Small free helpers shared by the drawing routines: blits, rectangles, single pixels of
// 32-bit surfaces, colour channels and number text.
#include <SDL.h>

#include <cstdint>
#include <string>

void applySurface(Sint16 x, Sint16 y, SDL_Surface *source, SDL_Surface *destination,
                  SDL_Rect *clip = nullptr);
SDL_Rect makeRect(Sint16 x, Sint16 y, Uint16 w, Uint16 h);

// Rows may be padded, so pixel addresses go through the surface's own pitch.
// No bounds check and no locking: these are the renderer's innermost operations;
// callers stay inside the surface and hold a surfaceLock around pixel work.
inline Uint32 *pixelAddress(SDL_Surface *surface, int x, int y) {
    return reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(surface->pixels) + y * surface->pitch) + x;
}
inline Uint32 getPixel(SDL_Surface *surface, int x, int y) {
    return *pixelAddress(surface, x, y);
}
inline void putPixel(SDL_Surface *surface, int x, int y, Uint32 pixel) {
    *pixelAddress(surface, x, y) = pixel;
}

// Locks a surface for the lifetime of the guard when SDL says it must be locked.
class surfaceLock {
  public:
    explicit surfaceLock(SDL_Surface *surface);
    ~surfaceLock();
    surfaceLock(const surfaceLock &) = delete;
    surfaceLock &operator=(const surfaceLock &) = delete;

    bool locked() const { return held; }

  private:
    SDL_Surface *surface;
    bool held;
};

// 'r' bits 16-23, 'g' bits 8-15, 'b' bits 0-7; any other letter gives 255.
inline Uint8 colourChannel(char channel, Uint32 pixel) {
    switch (channel) {
    case 'r':
        return (pixel >> 16) & 0xFF;
    case 'g':
        return (pixel >> 8) & 0xFF;
    case 'b':
        return pixel & 0xFF;
    default:
        return 255;
    }
}

// The surface's pixel value for a colour, as SDL_MapRGB gives it (fully opaque where the
// surface has alpha); each channel is taken modulo 256. Inline because the start-up
// darkening calls it for every texel of every shaded copy.
inline Uint32 mapColour(const SDL_Surface *surface, int r, int g, int b) {
    const SDL_PixelFormat *format = surface->format;
    if (format->palette != nullptr) {
        return SDL_MapRGB(format, static_cast<Uint8>(r & 0xFF), static_cast<Uint8>(g & 0xFF),
                          static_cast<Uint8>(b & 0xFF));
    }
    return (static_cast<Uint32>((r & 0xFF) >> format->Rloss) << format->Rshift) |
           (static_cast<Uint32>((g & 0xFF) >> format->Gloss) << format->Gshift) |
           (static_cast<Uint32>((b & 0xFF) >> format->Bloss) << format->Bshift) | format->Amask;
}

std::string intToString(int32_t value);
