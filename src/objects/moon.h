#pragma once
// The moon: a large solid body whose light pulses, swells or fades as its level commands.
#include "objects/basicObj.h"

class moon : public basicObj {
  public:
    moon() { moon::reset(); }

    bool falling;      // the pulse is going down
    int32_t stepTimer; // frames since the last pulse step
    int32_t holdTimer; // frames left to hold the pulse at its top or bottom

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
