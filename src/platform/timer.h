#pragma once
// The platform's millisecond clock, the delay the main loop sleeps with, and a stopwatch
// over the clock. The stopwatch's clock can be swapped, so the loop's pacing can be tested
// with a clock the test controls.
#include <cstdint>

// Milliseconds since the platform came up; wraps round after about 49 days.
std::uint32_t clockTicks();
void sleepMilliseconds(std::uint32_t milliseconds);

using tickSource = std::uint32_t (*)();

class timer {
  public:
    std::uint32_t startTicks = 0;
    std::uint32_t pausedTicks = 0; // the main loop never pauses its timer
    bool paused = false;
    bool started = false;
    tickSource clock = clockTicks;

    void start();
    // Milliseconds since the start: 0 before any start, the frozen count while paused.
    std::int32_t getTicks() const;
};
