#include "platform/windowScaling.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/video.h"

// Classic SDL shows a surface at the window's own size: at a scale above 1 the game draws on a
// 640 x 480 surface of the window's format, and each shown frame is widened into the window,
// every screen pixel a sharp square.
namespace {

int chosenScale = 1;
SDL_Surface *window = nullptr; // the window's own surface, when it is scaled
SDL_Surface *drawn = nullptr;  // the surface the game draws on, when the window is scaled

void forgetScaledScreen() {
    if (drawn != nullptr) {
        SDL_FreeSurface(drawn);
    }
    drawn = nullptr;
    window = nullptr;
}

SDL_Surface *scaledMode(const int width, const int height, const int depth, const std::uint32_t flags,
                        const int scale) {
    SDL_Surface *const shown = SDL_SetVideoMode(width * scale, height * scale, depth, flags);
    if (shown == nullptr || scale == 1) {
        return shown;
    }
    const SDL_PixelFormat *const format = shown->format;
    drawn = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel, format->Rmask,
                                 format->Gmask, format->Bmask, format->Amask);
    window = drawn != nullptr ? shown : nullptr;
    return drawn != nullptr ? drawn : shown;
}

// Each row of the drawn screen, each pixel repeated `scale` times, then the row repeated; a
// pixel is copied whole as one value, which keeps the widening a small part of a frame.
template <typename pixel> void widenRows(const SDL_Surface *from, SDL_Surface *to, const int scale) {
    const size_t rowBytes = static_cast<size_t>(from->w * scale) * sizeof(pixel);
    for (int y = 0; y < from->h; y++) {
        const auto *source = reinterpret_cast<const pixel *>(
            static_cast<const unsigned char *>(from->pixels) + y * from->pitch);
        auto *const row = static_cast<unsigned char *>(to->pixels) + y * scale * to->pitch;
        pixel *shown = reinterpret_cast<pixel *>(row);
        for (int x = 0; x < from->w; x++) {
            for (int copy = 0; copy < scale; copy++) {
                *shown++ = source[x];
            }
        }
        for (int copy = 1; copy < scale; copy++) {
            std::memcpy(row + copy * to->pitch, row, rowBytes);
        }
    }
}

// Three bytes a pixel (a 24-bit desktop) has no value of its size.
struct threeBytes {
    unsigned char bytes[3];
};
static_assert(sizeof(threeBytes) == 3);

void widen(const SDL_Surface *from, SDL_Surface *to, const int scale) {
    switch (from->format->BytesPerPixel) {
    case 4:
        widenRows<Uint32>(from, to, scale);
        break;
    case 3:
        widenRows<threeBytes>(from, to, scale);
        break;
    case 2:
        widenRows<Uint16>(from, to, scale);
        break;
    default:
        widenRows<Uint8>(from, to, scale);
        break;
    }
}

} // namespace

void chooseWindowScaling(const int requestedScale) {
    const SDL_VideoInfo *const desktop = SDL_GetVideoInfo();
    const int width = desktop ? desktop->current_w : 0;
    const int height = desktop ? desktop->current_h : 0;
    chosenScale = fittingWindowScale(requestedScale, width, height);
}

SDL_Surface *openWindowSurface() {
    SDL_Surface *screen = setScreenMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    if (screen == nullptr && chosenScale > 1) {
        std::fprintf(stderr, "velmora: the window cannot open at scale %d (%s); it opens at 1x\n",
                     chosenScale, SDL_GetError());
        chosenScale = 1;
        screen = setScreenMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    }
    return screen;
}

// Fullscreen shows the screen at the display's 640 x 480 mode, unscaled.
SDL_Surface *setScreenMode(const int width, const int height, const int depth, const std::uint32_t flags) {
    forgetScaledScreen();
    const bool fullscreen = (flags & SDL_FULLSCREEN) != 0;
    return scaledMode(width, height, depth, flags, fullscreen ? 1 : chosenScale);
}

void showScreen(SDL_Surface *screen) {
    if (screen != drawn || window == nullptr) {
        SDL_Flip(screen);
        return;
    }
    if (SDL_LockSurface(window) == 0) {
        widen(drawn, window, chosenScale);
        SDL_UnlockSurface(window);
    }
    SDL_Flip(window);
}
