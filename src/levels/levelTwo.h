#pragma once

#include "levels/level.h"

// A straight road lined with lamps, butterflies scattered across it.
class levelTwo : public level {
  public:
    levelTwo() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
