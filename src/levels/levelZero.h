#pragma once

#include "levels/level.h"

// The title scene behind the main menu: a standing car on bare ground.
class levelZero : public level {
  public:
    levelZero() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
