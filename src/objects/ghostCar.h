#pragma once
#include "objects/basicObj.h"

class ghostCar : public basicObj {
  public:
    ghostCar() { ghostCar::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
