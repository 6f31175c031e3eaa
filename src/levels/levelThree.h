#pragma once

#include "levels/level.h"

// A road that opens into a ring of road round a tree.
class levelThree : public level {
  public:
    levelThree() { setup(); }

    void setup() override;
    void script(objectWorld &) override {}
};
