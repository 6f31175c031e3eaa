#pragma once
#include "objects/basicObj.h"

class car : public basicObj {
  public:
    car() { car::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
