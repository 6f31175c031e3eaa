#pragma once

#include "levels/level.h"

// The long lamp-lined road, crossed by a line of ground lights.
class levelFive : public level {
  public:
    levelFive() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
