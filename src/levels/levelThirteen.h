#pragma once

#include "levels/level.h"

// The road broken round a cross of ground lights with a flame at its centre.
class levelThirteen : public level {
  public:
    levelThirteen() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
