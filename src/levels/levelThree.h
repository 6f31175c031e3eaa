#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// A road that opens into a ring of road round a sapling and its butterflies. Once the tree,
// grown in the flash, has filled the battery, the white light carries the player on to
// level 4.
class levelThree : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, waitingForCharge };
    using enum scriptStage;

    scriptStage stage = entering;

    levelThree() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    levelExit leaveWhenCharged(objectWorld &world, const scriptServices &services);
};
