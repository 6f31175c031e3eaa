#pragma once

#include "levels/level.h"

// The road broken round a flame circled by butterflies.
class levelNine : public level {
  public:
    levelNine() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
