#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The moon level, passed between the routes. The flames won so far come out one by one to
// circle the moon while the player waits before it; with all six, they sink into it, and the
// moon's last trials begin: a ring of lightning, a world that turns to sand in the dark, and
// strikes that follow the car. Its sides lead back to the crossroads, and every visit starts
// afresh.
class levelSeven : public level {
  public:
    static constexpr int32_t flameCount = 6;
    static constexpr int32_t strikePointCount = 8;

    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, waitingForMiddle, exitsOpen };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t moonPhase = 0;
    int32_t timer = 0;
    int32_t delivered = 0; // flames brought out beside the moon on this visit
    int32_t inMoon = 0;    // flames that have sunk into it
    bool deliveredFlags[flameCount] = {};
    double pushX = 0.0, pushY = 0.0; // what is left of the moon's push on the car
    double strikeX[strikePointCount] = {}, strikeY[strikePointCount] = {};
    int32_t strikeTimer = 0;
    bool pushNow = false;
    bool pushArmed = false;

    levelSeven() {
        treesAreWalls = true;
        setup();
    }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    // The state of a visit, as it is before the level is first entered.
    void forgetVisit();
    void placeStrikePoints();

    void enter(objectWorld &world);
    levelExit leaveForCrossroads(objectWorld &world, const scriptServices &services);
    void deliverFlames(objectWorld &world);
    void runMoonPhase(objectWorld &world);
    void circleTheMoon(objectWorld &world);
    void sinkIntoTheMoon(objectWorld &world);
    void wakeTheLightning(objectWorld &world);
    void repelTheCar(objectWorld &world);
    void pushOut(objectWorld &world);
    void lightTheMoon(objectWorld &world);
    void strikeTheCar(objectWorld &world);
    void turnStrikePoints();
    void sendStrikes(objectWorld &world);

    // The two faces of the world: sand in the dark, dirt in the headlights.
    bool sandLies() const;
    void layGround(int32_t value);
};
