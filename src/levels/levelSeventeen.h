#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// Bare ground with two faces that follow the headlights: sand, living trees and the first
// statue in the dark; dirt, ash trees and the second statue in the light, where the
// butterflies hide until the flash wakes them. With all eight shown in the light the first
// statue, the sixth flame's keeper, comes back; killed by the flash, it gives the flame up.
class levelSeventeen : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        followingHeadlights,
        settlingInDark,
        waitingForKill,
        waitingForFall,
        bringingFlame,
        glidingFlame,
        waitingForPickup,
        flameTaken
    };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;
    int32_t timer = 0;
    int32_t waitTimer = 0; // steps left of the flame's glide
    bool messageShown = false;

    levelSeventeen() {
        flashRevealsHiddenButterflies = true;
        setup();
    }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void followHeadlights(objectWorld &world, textBox &text);
    void showDarkFace(objectWorld &world);
    void showLitFace(objectWorld &world, textBox &text);
    void settleInTheDark(objectWorld &world, textBox &text);
    void waitForTheKill(objectWorld &world);
    void waitForTheFall(objectWorld &world);
    void bringFlame(objectWorld &world);
    void glideFlame(objectWorld &world);
    void waitForPickup(objectWorld &world, const scriptServices &services);
    void speak(objectWorld &world, textBox &text);
    void coverGround(int32_t value);
    void forgetVisit();
};
