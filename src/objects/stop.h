#pragma once
// A stop sign: a solid obstacle whose picture depends on the side it is seen from.
#include "objects/basicObj.h"

class stop : public basicObj {
  public:
    stop() { stop::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
};
