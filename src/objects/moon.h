#pragma once
// The moon: a large solid body whose light pulses, swells or fades as its level commands.
#include "objects/basicObj.h"

constexpr int32_t moonWhole = 1;
constexpr int32_t moonCracked = 2; // the flash has reached it

class moon : public basicObj {
  public:
    moon() { moon::reset(); }

    bool falling;      // the pulse is going down
    int32_t stepTimer; // frames since the last pulse step
    int32_t holdTimer; // frames left to hold the pulse at its top or bottom

    // Modes: pulse, fade, repel and lit; any other mode leaves the light alone.

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    std::optional<objectChange> flashed(const levelInPlay &level) const override;
    bool isWall(const levelInPlay &level) const override;
    objectCue cue() const override;

  private:
    void pulse();
};
