#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The first level of play: bare ground, the start tile and one butterfly. The car is held
// while two lines of words appear and fade, the screen comes up, and driving off leads on
// to level 2.
class levelOne : public level {
  public:
    levelOne() { setup(); }

    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { showingOpeningWords, waitingForLight, teachingDriving, drivingAway };
    using enum scriptStage;

    scriptStage stage = showingOpeningWords;
    int32_t timer;
    int32_t counter;

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void holdCar(objectWorld &world) const;
    void showOpeningWords(objectWorld &world, textBox &text);
    void waitForTheLight(objectWorld &world, textBox &text);
    void teachDriving(objectWorld &world, textBox &text);
    levelExit driveAway(objectWorld &world, const scriptServices &services);
};
