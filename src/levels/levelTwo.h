#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// A straight road lined with dark lamps, butterflies scattered across it. A stop sign shows
// up as the car comes towards it; standing before it long enough dims the butterflies and
// lights the lamps, and the road then leads on to level 3.
class levelTwo : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        approachingStopSign,
        waitingAtStopSign,
        dimmingButterflies,
        lightingLamps,
        passingStopSign,
        drivingOn
    };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t timer = 0;
    int32_t counter = 0;

    levelTwo() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void showStopSign(objectWorld &world);
    void waitAtStopSign(objectWorld &world);
    void dimButterflies(objectWorld &world);
    void lightLamps(objectWorld &world);
    void passStopSign(objectWorld &world);
    levelExit driveOn(objectWorld &world, const scriptServices &services);
};
