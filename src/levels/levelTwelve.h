#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The road broken round a flame between four dark lamps: the third flame. Every lamp of the
// level burning brings the butterflies in and lights the flame.
class levelTwelve : public level {
  public:
    // The script's stages, in the order it runs them (wonBefore: the flame was won on an
    // earlier visit and nothing more happens); the state line shows their numbers.
    enum class scriptStage : int32_t {
        wonBefore = -1,
        entering,
        waitingForLamps,
        waitingForPickup,
        flameTaken
    };
    using enum scriptStage;

    scriptStage stage = entering;
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
