#include "app/mainLoop.h"

static SDL_Surface *enterMode(videoModeState &video, bool windowed) {
    SDL_Surface *surface = video.setVideoMode(screenWidth, screenHeight, screenDepth,
                                              windowed ? windowedVideoFlags : fullscreenVideoFlags);
    if (surface != nullptr) {
        SDL_WM_SetCaption(windowCaption, nullptr);
        SDL_ShowCursor(windowed ? SDL_ENABLE : SDL_DISABLE);
        video.currentlyWindowed = windowed;
    }
    return surface;
}

SDL_Surface *followVideoMode(videoModeState &video, gameFlags &flags, SDL_Surface *screen) {
    if (!video.switchPending && video.currentlyWindowed == flags.fullscreen) {
        video.switchPending = true;
    }
    if (!video.switchPending) {
        return screen;
    }
    video.switchPending = false;

    const bool wasWindowed = video.currentlyWindowed;
    if (SDL_Surface *switched = enterMode(video, !wasWindowed)) {
        return switched;
    }
    // The new mode failed: play on in the old one and stop wishing for the other.
    flags.fullscreen = !wasWindowed;
    return enterMode(video, wasWindowed);
}

bool shouldDrawThisPass(const gameFlags &flags, bool &renderToggle) {
    if (!flags.thirtyFps) {
        return true;
    }
    if (renderToggle) {
        renderToggle = false;
        return true;
    }
    renderToggle = true;
    return false;
}

void paceFrame(const timer &frameTimer, int frameRateCap, delayFunction delay) {
    const Sint32 budget = 1000 / frameRateCap;
    if (frameTimer.getTicks() < budget) {
        delay(static_cast<Uint32>(budget - frameTimer.getTicks()));
    }
}
