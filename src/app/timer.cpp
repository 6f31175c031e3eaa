#include "app/timer.h"

void timer::start() {
    started = true;
    paused = false;
    startTicks = clock();
}

Sint32 timer::getTicks() const {
    if (!started) {
        return 0;
    }
    if (paused) {
        return static_cast<Sint32>(pausedTicks);
    }
    return static_cast<Sint32>(clock() - startTicks);
}
