#pragma once
#include "objects/basicObj.h"

class moon : public basicObj {
  public:
    moon() { moon::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
