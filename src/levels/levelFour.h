#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// Three ash groves and three statues along a line of ground lights: the first checkpoint.
// The statues teach the flash; growing the saplings of the outer groves opens the gates of
// ash between them, and once both are open the ash is gone. A long fast run along the line
// and a drive past the three trees lead on to level 5.
class levelFour : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        openingGates,
        runningAlongGroves,
        passingTrees,
        drivingToEdge
    };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t timer = 0;
    int32_t counter = 0; // which of the statues' three lines comes next
    bool messageShown = false;
    bool firstOpened = false;
    bool secondOpened = false;
    bool treePassed1 = false;
    bool treePassed2 = false;
    bool treePassed3 = false;

    struct gate;

    levelFour() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world, const scriptServices &services);
    void teachAndOpen(objectWorld &world, textBox &text);
    void speak(objectWorld &world, textBox &text);
    void openGate(objectWorld &world, const gate &grove, bool &opened, bool otherOpened);
    void clearTheAsh(objectWorld &world);
    void runAlongGroves(objectWorld &world);
    void passTrees(objectWorld &world);
    levelExit leaveAtEdge(objectWorld &world, const scriptServices &services);
};
