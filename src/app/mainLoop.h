#pragma once
// The pieces of one main-loop pass that do not belong to any subsystem: halving the
// drawing at 30 fps, and the pacing.
#include <cstdint>

#include "platform/gameFlags.h"
#include "platform/timer.h"

using delayFunction = void (*)(std::uint32_t milliseconds);

// With thirtyFps on, frames are drawn on every second pass; the logic still runs every pass.
bool shouldDrawThisPass(const gameFlags &flags, bool &renderToggle);

// A second does not split into whole milliseconds at 60 passes (16.67 ms each): the part of
// a millisecond left over by one pass's budget is carried into the next, so the budgets run
// 16, 17, 17, ... and add up to exactly 1000 ms over 60 passes.
struct framePacer {
    std::int32_t carried = 0; // thousandths of a second times the cap, not yet given to a pass
};

// The next pass's share of a second in milliseconds, carrying the leftover as above.
std::int32_t passBudget(int frameRateCap, framePacer &pacer);

// Sleeps out what is left of the pass's share of a second; a pass that already took
// that long is not delayed, and no lost time is caught up.
void paceFrame(const timer &frameTimer, int frameRateCap, framePacer &pacer, delayFunction delay);
