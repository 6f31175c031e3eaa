#pragma once
// A statue: turns towards the car as it comes near, triggers when the player stops before it
// for a moment, glows while its level script speaks, and crumbles after the flash kills it.
#include "objects/basicObj.h"

constexpr int32_t statueKilled = 2; // the state the flash leaves it in

class statue : public basicObj {
  public:
    statue() { statue::reset(); }

    int32_t waitCount;     // frames the player has spent reading in front of it
    int32_t glowLevel;     // shade of the glow, 0 … 24
    int32_t glowTurns;     // times the glow has changed direction
    bool glowDarkening;    // the glow runs from light to dark
    bool crumbled;         // killed, and its death has been set up
    double playerDistance; // wrapped, to the player car

    // Modes: none (waiting), trigger (the moment of reading), glow, end and after; any other
    // mode behaves as none.

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    std::optional<objectChange> flashed(const levelInPlay &level) const override;
    std::optional<objectChange> bumped() const override;
    objectCue cue() const override;

  private:
    void turnToCar();
    void stepMode(const playerCar &car);
    void glow(const playerCar &car);
    void read(const playerCar &car, int32_t side);
    void crumble();
    void shadeByBands(const playerCar &car);
};
