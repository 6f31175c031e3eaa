#pragma once
// One pixel with alpha (in its top byte) over another, exactly as SDL's alpha blit mixes them:
// the game's own blits, on the desktop and in the browser, blend with this arithmetic.
#include <SDL.h>

inline Uint32 blendPixel(const Uint32 layer, const Uint32 screen) {
    const Uint32 alpha = layer >> 24;
    if (alpha == 0) {
        return screen;
    }
    if (alpha == SDL_ALPHA_OPAQUE) {
        return layer;
    }
    // Each channel is the layer's share, layer * alpha / 256, plus the screen's share,
    // screen * (255 - alpha) / 256, both rounded down. Red and blue are weighed together in
    // one word, green and the top byte in another: no product spills into its neighbour.
    const Uint32 under = SDL_ALPHA_OPAQUE - alpha;
    const Uint32 redBlue =
        ((layer & 0xFF00FF) * alpha >> 8 & 0xFF00FF) + ((screen & 0xFF00FF) * under >> 8 & 0xFF00FF);
    const Uint32 green =
        (((layer & 0xFF00) * alpha >> 8) & 0xFF00) + (((screen & 0xFF00) * under >> 8) & 0xFF00);
    const Uint32 cover = ((alpha * SDL_ALPHA_OPAQUE >> 8) + ((screen >> 24) * under >> 8)) << 24;
    return redBlue | green | cover;
}
