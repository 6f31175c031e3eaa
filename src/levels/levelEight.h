#pragma once

#include "levels/level.h"

// The long road where the ghost cars are met first.
class levelEight : public level {
  public:
    levelEight() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
