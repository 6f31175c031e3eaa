#pragma once

#include "levels/level.h"

// A diagonal road that runs into two stretches along x, ground lights round a flame.
class levelFifteen : public level {
  public:
    levelFifteen() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
