#pragma once

#include "levels/level.h"

// The road broken by ground lights, with two road blocks beside it.
class levelTen : public level {
  public:
    levelTen() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
