#pragma once
// A butterfly: hovers about its centre on a springy wander and carries a small light that
// a level script lets grow or die away.
#include "objects/basicObj.h"

class butterfly : public basicObj {
  public:
    butterfly() { butterfly::reset(); }

    bool started; // the first visible update has set it up
    double wanderVX, wanderVY;
    double wanderX, wanderY; // offset from the centre
    double centreX, centreY; // the point it hovers about; drifts towards home
    double startX, startY;   // where it was at its first visible update
    int32_t dimTimer;        // frames since the light last shrank
    int32_t lightTimer;      // frames since the light last grew

    // Modes: light (the light grows) and dim (it dies and the butterfly vanishes); any other
    // mode leaves the light as it is.

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    std::optional<objectChange> flashed(const levelInPlay &level) const override;

  private:
    void start();
    void stepLight();
};
