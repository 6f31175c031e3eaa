#pragma once

#include "levels/level.h"

// The road broken round a flame, lamps and butterflies at the corners of the gap.
class levelTwelve : public level {
  public:
    levelTwelve() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
