#pragma once
// The pieces of one main-loop pass that do not belong to any subsystem: halving the
// drawing at 30 fps, and the pacing.
#include <cstdint>

#include "platform/gameFlags.h"
#include "platform/timer.h"

using delayFunction = void (*)(std::uint32_t milliseconds);

// With thirtyFps on, frames are drawn on every second pass; the logic still runs every pass.
bool shouldDrawThisPass(const gameFlags &flags, bool &renderToggle);

// Sleeps out what is left of the pass's share of a second; a pass that already took
// that long is not delayed, and no lost time is caught up.
void paceFrame(const timer &frameTimer, int frameRateCap, delayFunction delay);
