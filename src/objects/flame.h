#pragma once
#include "objects/basicObj.h"

class flame : public basicObj {
  public:
    flame() { flame::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
