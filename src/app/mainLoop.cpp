#include "app/mainLoop.h"

#include <algorithm>

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

std::int32_t passBudget(const int frameRateCap, framePacer &pacer) {
    const std::int32_t share = 1000 + pacer.carried;
    pacer.carried = share % frameRateCap;
    return share / frameRateCap;
}

// The clock is read once: read again for the amount, it could have passed the budget in
// between and turned a short delay into a wrapped-round one of some 49 days.
void paceFrame(const timer &frameTimer, int frameRateCap, framePacer &pacer, delayFunction delay) {
    const std::int32_t budget = passBudget(frameRateCap, pacer);
    const std::int32_t elapsed = std::max(frameTimer.getTicks(), 0);
    if (elapsed < budget) {
        delay(static_cast<std::uint32_t>(budget - elapsed));
    }
}
