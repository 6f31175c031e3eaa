#pragma once
// A ghost car: materialises, patrols between its spawn point and its patrol point, hunts
// and rams the player car, fades when killed and waits to be woken again.
#include "objects/basicObj.h"

constexpr int ghostDirectionCount = 16;

class ghostCar : public basicObj {
  public:
    ghostCar() { ghostCar::reset(); }

    int32_t animStep;  // position in the spawn animation
    int32_t deadTimer; // frames spent dead
    bool patrolLeg;    // false: heading for the patrol point (home); true: for the spawn point
    bool pulseDown;    // the hunting shade pulse is getting brighter
    bool spawnKnown;   // the spawn point has been recorded
    double dirX, dirY; // unit direction of travel, one row of `directions`
    double spawnX, spawnY;
    double legDistance;                        // to the current patrol target
    double playerDistance;                     // wrapped, to the player car
    double targetAngle;                        // heading wanted, degrees
    double directions[ghostDirectionCount][2]; // one per 22.5° sector, counter-clockwise from +x
    double raceSpeed;                          // tiles per frame while racing
    int32_t soundTimer;                        // frames since the last hunting sound

    // Modes: spawn and spawnStraight (appearing), patrol, attack, dead, respawn and
    // respawnStraight (back to the spawn point), standing, straight and race; none is the
    // resting ghost, and any other mode behaves as none.

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    std::optional<objectChange> flashed(const levelInPlay &level) const override;
    objectCue cue() const override;

  private:
    // One update's work in each mode.
    void appear(objectMode whenShown);
    void patrol(const playerCar &car, int32_t side);
    void attack(playerCar &car, int32_t side);
    void fadeAway();
    void comeBack(objectMode appearing);
    void stand(playerCar &car);
    void driveStraight(playerCar &car);
    void race(playerCar &car);

    // Steps the modes share.
    void nearnessFrame();
    void huntingGlow(playerCar &car);
    void shadePulse();
    void directionFromAngle();
    void headFor(double targetX, double targetY, int32_t side);
    void turnTowardsTarget();
    void moveAlong(double step);
    void ram(playerCar &car);
    // The square (a, b), each −1 … 1, that strictly holds the spawn point; none on a boundary.
    bool ownSquare(int32_t side, int32_t &a, int32_t &b) const;
    void keepInOwnSquare(int32_t side);
    void shadeByNearness(const playerCar &car);
};
