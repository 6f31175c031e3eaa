#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The long road blocked by two columns of ghost cars: eight laps of the world, each pass
// through the gate at the start of the road letting loose the next ghosts and sending the
// last ones away, lead on to level 12.
class levelEleven : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        waitingForFirstPass,
        onFirstPass,
        firstLap,
        secondLap,
        thirdLap,
        fourthLap,
        fifthLap,
        sixthLap,
        seventhLap,
        eighthLap,
        finalPass
    };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;
    int32_t timer = 0;
    bool passed = false; // the car has used its pass through the gate

    levelEleven() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    levelExit runStage(objectWorld &world, const scriptServices &services);
    void enter(objectWorld &world);
    void startFirstPass(objectWorld &world);
    void endFirstPass(objectWorld &world);
    // True once per pass through the gate, as the car enters it.
    bool passesGate(const playerCar &car);
    void lap(objectWorld &world);
    levelExit lastLap(objectWorld &world, const scriptServices &services);
    void forgetVisit();
};
