#pragma once
// The screen fade: level 5 is clear, 0 is the darkest overlay frame.
#include <cstdint>

constexpr int32_t fadeClear = 5;

// Which way the fade is heading; it rests at its end until told otherwise.
enum class fadeMode { none, fadeIn, fadeOut };

class fadeCounter {
  public:
    int32_t fadeLevel = fadeClear;
    fadeMode mode = fadeMode::none;

    void fadeIn() { mode = fadeMode::fadeIn; }
    void fadeOut() { mode = fadeMode::fadeOut; }
    // One step per world update towards the mode's end.
    void fadeStep();
};
