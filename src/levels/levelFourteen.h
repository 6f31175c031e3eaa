#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The diagonal road wound round the world, where six ghost cars race: the first step of the
// fifth flame's route. Once none of them is racing any more, the long road home — twice
// out across the left edge of the world — leads on to level 15; a recharge at the tree
// sends the player back to the crossroads.
class levelFourteen : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        watchingRace,
        raceOver,
        headingHome,
        wrappingRound,
        headingHomeAgain
    };
    using enum scriptStage;

    scriptStage stage = entering;
    bool messageShown = false;

    levelFourteen() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    levelExit runStage(objectWorld &world, const scriptServices &services);
    void enter(objectWorld &world);
    void watchTheRace(objectWorld &world);
    levelExit leaveTo(objectWorld &world, const scriptServices &services, int32_t nextLevel);
};
