#pragma once

#include "levels/level.h"

// A diagonal road winding twice round the world across the straight road.
class levelFourteen : public level {
  public:
    levelFourteen() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
