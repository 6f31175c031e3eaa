#pragma once
// A stationary car standing in the world: its headlights come up slowly once it is placed.
#include <string>

#include "objects/basicObj.h"

constexpr int32_t carLightFull = 4;
constexpr int32_t carLightStepFrames = 5;

class car : public basicObj {
  public:
    car() { car::reset(); }

    std::string message;
    int32_t lightTimer; // frames since the light last grew

    void reset() override;
    void update(playerCar &player, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;

  private:
    void growLight();
};
