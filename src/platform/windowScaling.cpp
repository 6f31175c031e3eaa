#include "platform/windowScaling.h"

#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/systemCalls.h"
#include "platform/video.h"

namespace {

constexpr const char *windowScalingVariable = "SDL12COMPAT_WINDOW_SCALING";

} // namespace

// sdl12-compat reads its scaling whenever it makes the window, so the desktop can be looked at
// after video has started and before the window is made. Without --scale, a scaling the player
// set is kept when the window can be shown at it.
void chooseWindowScaling(const int requestedScale) {
    const SDL_VideoInfo *const desktop = SDL_GetVideoInfo();
    const int width = desktop ? desktop->current_w : 0;
    const int height = desktop ? desktop->current_h : 0;
    const int scale = fittingWindowScale(requestedScale, width, height);
    if (const std::string scaling = environmentValue(windowScalingVariable);
        requestedScale == automaticWindowScale && !scaling.empty()) {
        if (isShowableWindowScaling(scaling.c_str(), width, height)) {
            return;
        }
        std::fprintf(stderr,
                     "velmora: %s=%s is no scale the window can be shown at on this desktop; using %d\n",
                     windowScalingVariable, scaling.c_str(), scale);
    }
    if (scale == 1) {
        clearEnvironment(windowScalingVariable);
    } else {
        setEnvironment(windowScalingVariable, std::to_string(scale).c_str(), true);
    }
}

SDL_Surface *openWindowSurface() {
    SDL_Surface *screen = SDL_SetVideoMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    if (const std::string scaling = environmentValue(windowScalingVariable);
        screen == nullptr && !scaling.empty()) {
        std::fprintf(stderr, "velmora: the window cannot open at scale %s (%s); it opens at 1x\n",
                     scaling.c_str(), SDL_GetError());
        clearEnvironment(windowScalingVariable);
        screen = SDL_SetVideoMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    }
    return screen;
}

SDL_Surface *setScreenMode(const int width, const int height, const int depth, const std::uint32_t flags) {
    return SDL_SetVideoMode(width, height, depth, flags);
}

void showScreen(SDL_Surface *screen) {
    SDL_Flip(screen);
}
