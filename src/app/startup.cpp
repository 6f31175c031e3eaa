#include "app/startup.h"

#include <SDL_image.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "app/mainLoop.h"

static void setWindowIcon() {
    if (SDL_Surface *icon = IMG_Load("art/icon.png")) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
}

SDL_Surface *openGameWindow() {
    // The game cannot run without a window; sound is welcome but may be missing.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "velmora: cannot start video: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    SDL_WM_SetCaption(windowCaption, nullptr);
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    Mix_Volume(-1, 77);

    SDL_Surface *screen = SDL_SetVideoMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    if (screen == nullptr) {
        std::fprintf(stderr, "velmora: cannot open the window: %s\n", SDL_GetError());
        SDL_Quit();
        return nullptr;
    }
    setWindowIcon();
    return screen;
}

void closeGameWindow() {
    Mix_CloseAudio();
    SDL_Quit();
}
