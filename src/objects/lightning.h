#pragma once
#include "objects/basicObj.h"

class lightning : public basicObj {
  public:
    lightning() { lightning::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
