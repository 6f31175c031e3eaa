#pragma once

#include "levels/level.h"

// Three ash groves and three statues along a line of ground lights.
class levelFour : public level {
  public:
    levelFour() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
