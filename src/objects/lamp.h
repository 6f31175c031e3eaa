#pragma once
// A street lamp: burns (frame 3) or stands dark (frame 1); the flash and a bump switch it.
#include "objects/basicObj.h"

constexpr int32_t lampBurning = 3;
constexpr int32_t lampDark = 1;

class lamp : public basicObj {
  public:
    lamp() { lamp::reset(); }

    int32_t lastFrame; // `frame` at the end of the previous update: a change asks for the sound

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    std::optional<objectChange> flashed(const levelInPlay &level) const override;
    std::optional<objectChange> bumped() const override;
    objectCue cue() const override;

  private:
    void light(const playerCar &car);
};
