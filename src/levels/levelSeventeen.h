#pragma once

#include "levels/level.h"

// Bare ground: trees, butterflies and statues, and a flame in the far corner.
class levelSeventeen : public level {
  public:
    levelSeventeen() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
