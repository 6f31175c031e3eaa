#pragma once
#include "objects/basicObj.h"

class roadSign : public basicObj {
  public:
    roadSign() { roadSign::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
