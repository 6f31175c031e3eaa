#pragma once
// A burnt, dead bush: a solid obstacle with one picture.
#include "objects/basicObj.h"

class ashBush : public basicObj {
  public:
    ashBush() { ashBush::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
};
