#pragma once
// Small free helpers shared by every drawing and world routine: blits, rectangles,
// single pixels of 32-bit surfaces, colour channels, number text and wrapped distances.
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
Uint8 colourChannel(char channel, Uint32 pixel);
Uint32 mapColour(const SDL_Surface *surface, int r, int g, int b);

std::string intToString(int32_t value);

double distance(double x1, double y1, double x2, double y2);
// Shortest distance over a world that wraps every `side` tiles; exact while both
// points lie within one side of the home square.
double wrappedDistance(double x1, double y1, double x2, double y2, int side);
