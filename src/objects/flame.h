#pragma once
// A flame: burns in a loop until a level script puts it out, then plays its end and leaves.
#include "objects/basicObj.h"

class flame : public basicObj {
  public:
    flame() { flame::reset(); }

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    objectCue cue() const override;
};
