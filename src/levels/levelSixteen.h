#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The long lamp-lined road with three ghost cars driving straight down it: the first step
// of the sixth flame's route. Switching the headlights off here leads to level 17.
class levelSixteen : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, waitingForDarkness };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;

    levelSixteen() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    levelExit waitForDarkness(objectWorld &world, const scriptServices &services);
    void respawnGhosts(objectWorld &world);
    void forgetVisit();
};
