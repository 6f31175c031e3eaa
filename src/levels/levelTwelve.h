#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The road broken round a flame between four dark lamps: the third flame. Every lamp of the
// level burning brings the butterflies in and lights the flame.
class levelTwelve : public level {
  public:
    int32_t stage = 0; // -1 once the flame is won: nothing more happens
    int32_t armed = 0;

    levelTwelve() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void waitForLamps(objectWorld &world);
    void waitForPickup(objectWorld &world, const scriptServices &services);
    void forgetVisit();
};
