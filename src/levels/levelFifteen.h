#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The diagonal road running into two stretches along x, and a ring of ground lights round
// the fifth flame. The four lamps near the ring set it turning, the faster the more of them
// burn; all four bring out a sapling, and the sapling grown in the flash gives up the flame.
class levelFifteen : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        waitingForRingLamps,
        showingSapling,
        waitingForGrowth,
        showingFlame,
        waitingForPickup,
        flameTaken
    };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;
    int32_t flickerTimer = 0;
    int32_t flickerTimer2 = 0;
    flickerDice dice;

    levelFifteen() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void showSapling(objectWorld &world);
    void showFlame(objectWorld &world);
    void waitForPickup(objectWorld &world, const scriptServices &services);
    void turnRing(objectWorld &world, int32_t litLamps);
    void followLamps(int32_t litLamps);
    levelExit leave(objectWorld &world, const scriptServices &services);
    void forgetVisit();
};
