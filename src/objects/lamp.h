#pragma once
#include "objects/basicObj.h"

class lamp : public basicObj {
  public:
    lamp() { lamp::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
