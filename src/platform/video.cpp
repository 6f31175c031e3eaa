#include "platform/video.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <cstdio>

static_assert(windowedVideoFlags == (SDL_HWSURFACE | SDL_ANYFORMAT | SDL_DOUBLEBUF));
static_assert(fullscreenVideoFlags == (windowedVideoFlags | SDL_FULLSCREEN));

static void setWindowIcon() {
    if (SDL_Surface *icon = IMG_Load("art/icon.png")) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
}

screenHandle openGameWindow() {
    // The game cannot run without a window; sound is welcome but may be missing.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "velmora: cannot start video: %s\n", SDL_GetError());
        return {};
    }
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    SDL_WM_SetCaption(windowCaption, nullptr);
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    Mix_Volume(-1, 77);

    SDL_Surface *screen = SDL_SetVideoMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    if (screen == nullptr) {
        std::fprintf(stderr, "velmora: cannot open the window: %s\n", SDL_GetError());
        SDL_Quit();
        return {};
    }
    setWindowIcon();
    return {screen};
}

void closeGameWindow() {
    Mix_CloseAudio();
    SDL_Quit();
}

screenHandle setVideoModeOfWindow(const int width, const int height, const int depth,
                                  const std::uint32_t flags) {
    return {SDL_SetVideoMode(width, height, depth, flags)};
}

static screenHandle enterMode(videoModeState &video, const bool windowed) {
    const screenHandle screen = video.setVideoMode(screenWidth, screenHeight, screenDepth,
                                                   windowed ? windowedVideoFlags : fullscreenVideoFlags);
    if (screen.isOpen()) {
        SDL_WM_SetCaption(windowCaption, nullptr);
        SDL_ShowCursor(windowed ? SDL_ENABLE : SDL_DISABLE);
        video.currentlyWindowed = windowed;
    }
    return screen;
}

screenHandle followVideoMode(videoModeState &video, bool &fullscreenWish, const screenHandle screen) {
    if (!video.switchPending && video.currentlyWindowed == fullscreenWish) {
        video.switchPending = true;
    }
    if (!video.switchPending) {
        return screen;
    }
    video.switchPending = false;

    const bool wasWindowed = video.currentlyWindowed;
    if (const screenHandle switched = enterMode(video, !wasWindowed); switched.isOpen()) {
        return switched;
    }
    // The new mode failed: play on in the old one and stop wishing for the other.
    fullscreenWish = !wasWindowed;
    return enterMode(video, wasWindowed);
}
