#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The long lamp-lined road, crossed by a line of ground lights. Driving along the line puts
// the lights out as they fall behind; once all are behind, the player arrives at the
// crossroads, level 6.
class levelFive : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, choosingSide, puttingOutLights, leaving };
    using enum scriptStage;

    scriptStage stage = entering;

    levelFive() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void chooseSide(objectWorld &world);
    void putOutPassedLights(objectWorld &world);
    levelExit leave(objectWorld &world, const scriptServices &services);
};
