#pragma once
#include "objects/basicObj.h"

class stop : public basicObj {
  public:
    stop() { stop::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
