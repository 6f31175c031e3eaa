#pragma once

#include "levels/level.h"

// The first level of play: bare ground, the start tile and one butterfly.
class levelOne : public level {
  public:
    levelOne() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
