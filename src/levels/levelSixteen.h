#pragma once

#include "levels/level.h"

// The long lamp-lined road with three ghost cars.
class levelSixteen : public level {
  public:
    levelSixteen() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
