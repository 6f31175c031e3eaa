#pragma once
// The screen fade: level 5 is clear, 0 is the darkest overlay frame.
#include <cstdint>
#include <string>

constexpr int32_t fadeClear = 5;

class fadeCounter {
  public:
    int32_t fadeLevel = fadeClear;
    std::string mode = "none";

    void fadeIn() { mode = "fadeIn"; }
    void fadeOut() { mode = "fadeOut"; }
    // One step per world update towards the mode's end.
    void fadeStep();
};
