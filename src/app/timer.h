#pragma once
// A millisecond stopwatch. The clock it reads can be swapped, so the loop's pacing
// can be tested with a clock the test controls.
#include <SDL.h>

using tickSource = Uint32 (*)();

class timer {
  public:
    Uint32 startTicks = 0;
    Uint32 pausedTicks = 0; // the main loop never pauses its timer
    bool paused = false;
    bool started = false;
    tickSource clock = SDL_GetTicks;

    void start();
    Sint32 getTicks() const;
};
