#pragma once
#include "objects/basicObj.h"

class butterfly : public basicObj {
  public:
    butterfly() { butterfly::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
