#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The road broken round a flame circled by butterflies: the first flame. Its statues speak
// in turn, and the flame, once taken, stays taken.
class levelNine : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, waitingForPickup, silencingMusic, flameTaken };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;
    int32_t timer = 0;
    int32_t lineIndex = 1; // which of the statues' two lines is next
    bool messageShown = false;

    levelNine() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void waitForPickup(objectWorld &world, const scriptServices &services);
    void speak(objectWorld &world, textBox &text);
    // The state of a visit; the statues' turn and the music outlast it.
    void forgetVisit();
};
