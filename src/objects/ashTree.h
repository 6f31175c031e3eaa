#pragma once
// A burnt, dead tree: a solid obstacle with one picture.
#include "objects/basicObj.h"

class ashTree : public basicObj {
  public:
    ashTree() { ashTree::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
};
