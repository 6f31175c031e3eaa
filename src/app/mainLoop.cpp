#include "app/mainLoop.h"

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
    const std::int32_t budget = 1000 / frameRateCap;
    if (frameTimer.getTicks() < budget) {
        delay(static_cast<std::uint32_t>(budget - frameTimer.getTicks()));
    }
}
