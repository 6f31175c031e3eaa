#include "platform/timer.h"

#include <SDL.h>

std::uint32_t clockTicks() {
    return SDL_GetTicks();
}

void sleepMilliseconds(const std::uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

void timer::start() {
    started = true;
    paused = false;
    startTicks = clock();
}

std::int32_t timer::getTicks() const {
    if (!started) {
        return 0;
    }
    if (paused) {
        return static_cast<std::int32_t>(pausedTicks);
    }
    return static_cast<std::int32_t>(clock() - startTicks);
}
