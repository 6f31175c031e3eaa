// The browser's window is the page's canvas. SDL sizes it and hears its keys; the game draws
// on a screen of its own in memory (the desktop's pixel layout, so every picture is the
// same), which goes to the canvas once a browser frame.
#include "platform/video.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>

#include "platform/browserPage.h"
#include "platform/input.h"
#include "platform/surfaces.h"

namespace {

SDL_Surface *drawnScreen = nullptr;
bool audioOpened = false;
// The page's canvas takes bytes R, G, B, A; the screen is converted into this.
Uint32 canvasPixels[screenWidth * screenHeight];

} // namespace

screenHandle openGameWindow(int) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0 ||
        SDL_SetVideoMode(screenWidth, screenHeight, screenDepth, SDL_SWSURFACE) == nullptr) {
        std::fprintf(stderr, "velmora: cannot start video: %s\n", SDL_GetError());
        return {};
    }
    // The browser keeps the sound silent until the player clicks or presses a key.
    audioOpened = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) == 0;
    if (audioOpened) {
        Mix_Volume(-1, 77);
    }
    drawnScreen = createPixelSurface(screenWidth, screenHeight, 0xFF0000, 0xFF00, 0xFF, 0);
    return {drawnScreen};
}

bool audioDeviceOpen() {
    return audioOpened;
}

void closeGameAndExit(const int status, bool) {
    std::exit(status);
}

screenHandle setVideoModeOfWindow(int, int, int, std::uint32_t) {
    return {drawnScreen};
}

// Fullscreen is the page's: it is asked for when the wish changes. The browser grants it only
// just after a key or a click, as when the player chooses it in the settings.
screenHandle followVideoMode(videoModeState &video, bool &fullscreenWish, const screenHandle screen) {
    if (video.currentlyWindowed == fullscreenWish) {
        video.currentlyWindowed = !fullscreenWish;
        EM_ASM(
            {
                if (Module.velmoraFullscreen)
                    Module.velmoraFullscreen($0 != 0);
            },
            fullscreenWish);
    }
    return screen;
}

void presentScreen(const screenHandle screen) {
    const SDL_Surface *surface = screen.surface;
    if (surface == nullptr || surface->w != screenWidth || surface->h != screenHeight) {
        return;
    }
    const SDL_PixelFormat &format = *surface->format;
    for (int y = 0; y < screenHeight; y++) {
        const Uint32 *row = reinterpret_cast<const Uint32 *>(static_cast<const Uint8 *>(surface->pixels) +
                                                             y * surface->pitch);
        Uint32 *out = canvasPixels + y * screenWidth;
        for (int x = 0; x < screenWidth; x++) {
            const Uint32 pixel = row[x];
            out[x] = (pixel >> format.Rshift & 0xFF) | (pixel >> format.Gshift & 0xFF) << 8 |
                     (pixel >> format.Bshift & 0xFF) << 16 | 0xFF000000u;
        }
    }
    EM_ASM(
        {
            const context = Module.canvas.getContext('2d');
            if (!Module.velmoraImage) {
                Module.velmoraImage = context.createImageData($1, $2);
            }
            Module.velmoraImage.data.set(HEAPU8.subarray($0, $0 + $1 * $2 * 4));
            context.putImageData(Module.velmoraImage, 0, 0);
        },
        canvasPixels, screenWidth, screenHeight);
}

void showThanksForPlaying() {
    EM_ASM({
        if (Module.velmoraQuit)
            Module.velmoraQuit();
    });
}
