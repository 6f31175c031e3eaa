#pragma once

#include "levels/level.h"

// The crossroads: the long lamp-lined road with a tree on each side and a road sign.
class levelSix : public level {
  public:
    levelSix() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
