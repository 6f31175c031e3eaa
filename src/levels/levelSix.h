#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The crossroads: the long lamp-lined road with a tree on each side and a road sign, and
// the second checkpoint. Once the player has reached its middle, its ends lead along the
// routes to the flames not yet won and its sides to the moon level.
class levelSix : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, waitingForMiddle, exitsOpen };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t finished = 0; // "thats all for now" has been shown
    // The fade of a line carried in from another level has been started on this visit.
    bool fadeStarted = false;

    levelSix() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world, const scriptServices &services);
    void reachMiddle(objectWorld &world);
    levelExit lightAndLeave(objectWorld &world, const scriptServices &services);
    levelExit takeExit(objectWorld &world, const scriptServices &services, int32_t nextLevel);
    void endOrFade(objectWorld &world, const scriptServices &services);
};
