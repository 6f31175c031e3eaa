#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// Bare ground with two faces that follow the headlights: sand, living trees and the first
// statue in the dark; dirt, ash trees and the second statue in the light. The sixth flame
// belongs to the first statue; killed by the flash, it gives the flame up.
class levelSeventeen : public level {
  public:
    int32_t stage = 0;
    int32_t armed = 0;
    int32_t timer = 0;
    int32_t waitTimer = 0; // steps left of the flame's glide
    bool messageShown = false;

    levelSeventeen() {
        flashRevealsHiddenButterflies = true;
        setup();
    }

    void setup() override;
    void script(objectWorld &world) override;

  private:
    void enter(objectWorld &world);
    void followHeadlights(objectWorld &world);
    void showDarkFace(objectWorld &world);
    void showLitFace(objectWorld &world);
    void settleInTheDark(objectWorld &world);
    void waitForTheKill(objectWorld &world);
    void waitForTheFall(objectWorld &world);
    void bringFlame(objectWorld &world);
    void glideFlame(objectWorld &world);
    void waitForPickup(objectWorld &world);
    void speak(objectWorld &world);
    void coverGround(int32_t value);
    void forgetVisit();
};
