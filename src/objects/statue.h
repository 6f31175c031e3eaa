#pragma once
#include "objects/basicObj.h"

class statue : public basicObj {
  public:
    statue() { statue::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
