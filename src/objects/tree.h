#pragma once
#include "objects/basicObj.h"

class tree : public basicObj {
  public:
    tree() { tree::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
