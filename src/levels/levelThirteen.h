#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The road broken round a cross of ground lights with the fourth flame at its centre. The
// four lamps round the cross are one switch: while they are dark the cross falls apart and
// turns; lit, it stands still, and once every light is back near its place it snaps home
// and shows the flame.
class levelThirteen : public level {
  public:
    // One light of the cross: its group, the point it turns about, the place it belongs.
    struct crossLight {
        int32_t group;
        double centreX, centreY;
        double homeX, homeY;
    };
    static constexpr int32_t crossSize = 12;

    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, aligningCross, waitingForPickup, flameTaken };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;
    int32_t flickerTimer = 0;
    bool messageShown = false;
    bool lampsOn = false;
    crossLight cross[crossSize] = {};

    levelThirteen() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void switchLamps(objectWorld &world);
    void turnCross(objectWorld &world);
    bool crossNearlyHome(const objectWorld &world) const;
    void snapCrossHome(objectWorld &world);
    void alignCross(objectWorld &world);
    void waitForPickup(objectWorld &world, const scriptServices &services);
    void speak(objectWorld &world, textBox &text);
    void forgetVisit();
};
