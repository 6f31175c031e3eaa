#pragma once
// A lightning bolt: strikes from time to time or once on command, as a short picture with a
// burst of light; the hidden variants give only the light.
#include "objects/basicObj.h"

class lightning : public basicObj {
  public:
    lightning() { lightning::reset(); }

    int32_t strikeDelay; // frames waited since the last strike

    // Modes: random, hideRandom, once, hideOnce; none, and any other mode, never strikes.

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    objectCue cue() const override;

  private:
    int32_t randomWait() const;
    void strike(bool heard);
    void farBands(const playerCar &car);
};
