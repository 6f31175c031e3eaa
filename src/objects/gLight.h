#pragma once
// A ground light: never drawn nor hit, it only lights the ground around its tile.
#include "objects/basicObj.h"

class gLight : public basicObj {
  public:
    gLight() { gLight::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
};
