#pragma once
// The pictures the game draws into and from: 32-bit surfaces whose pixels lie in memory the
// drawing code reads and writes directly, and the blits between them. On the desktop SDL does
// all of it. In the browser SDL's surfaces are canvases that see the pixels only when locked
// and blend in the browser's own arithmetic, so there the pixels are kept and blitted here,
// as the desktop's SDL would, and only the finished screen goes to the page.
#include <SDL.h>

// A surface of these channel masks (amask 0: no alpha), its format filled in; null when
// memory runs out.
SDL_Surface *createPixelSurface(int width, int height, Uint32 rmask, Uint32 gmask, Uint32 bmask,
                                Uint32 amask);
// A 1 x 1 surface in the display's format with alpha, for pictures to be made like.
SDL_Surface *displayAlphaSample();

// True when the surface's pixels can be reached only between a lock and an unlock.
bool mustLockPixels(const SDL_Surface *surface);

// Blits of the surface blend it by its per-pixel alpha (on) or copy it (off), at full strength.
void setAlphaBlending(SDL_Surface *surface, bool blend);
// Gives `to` the blending setting of `from`.
void copyAlphaSetting(const SDL_Surface *from, SDL_Surface *to);
// True when blits of the surface blend it by per-pixel alpha at full strength.
bool blendsAtFullStrength(const SDL_Surface *surface);

// The clip of the source (all of it when null) to `at`'s x and y on the destination, cut to
// both surfaces, as SDL_UpperBlit does.
void blitPixels(SDL_Surface *source, SDL_Rect *clip, SDL_Surface *destination, SDL_Rect *at);
