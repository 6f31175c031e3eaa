#pragma once

#include "levels/level.h"

// The long road blocked by two columns of ghost cars.
class levelEleven : public level {
  public:
    levelEleven() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
