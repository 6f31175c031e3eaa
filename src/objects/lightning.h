#pragma once
// A lightning bolt: strikes from time to time or once on command, as a short picture with a
// burst of light; the hidden variants give only the light.
#include "objects/basicObj.h"

class lightning : public basicObj {
  public:
    lightning() { lightning::reset(); }

    int32_t strikeDelay; // frames waited since the last strike

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
