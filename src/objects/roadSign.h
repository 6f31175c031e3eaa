#pragma once
// A road sign: a solid obstacle facing `angle`; its picture depends on the side it is seen from.
#include "objects/basicObj.h"

class roadSign : public basicObj {
  public:
    roadSign() { roadSign::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
};
