#pragma once

#include "levels/level.h"

// The moon level: the moon, the flames won so far and a ring of lightning.
class levelSeven : public level {
  public:
    levelSeven() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
