#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

class textBox;

// The long road where the ghost cars are met first. Each pass over the ends of the road
// switches off the lamps behind the player, half a side at a time; lighting eight of the
// lamps left dark sends the ghosts away, and two more passes lead on to level 9.
class levelEight : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t {
        entering,
        waitingForFirstPass,
        onFirstPass,
        waitingForLamps,
        onSecondPass,
        onReturnPass,
        dimmingButterflies,
        waitingToLeave
    };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t armed = 0;
    bool messageShown = false;
    int32_t waitTimer = 0;

    levelEight() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    levelExit runStage(objectWorld &world, const scriptServices &services);
    void enter(objectWorld &world);
    void startFirstPass(objectWorld &world);
    void endFirstPass(objectWorld &world);
    void waitForLamps(objectWorld &world);
    void endSecondPass(objectWorld &world);
    void endReturnPass(objectWorld &world);
    void dimButterflies(objectWorld &world);
    levelExit waitAndLeave(objectWorld &world, const scriptServices &services);
    void speakOrFall(const objectWorld &world, textBox &text);
    // The state of a visit, as it is before the level is first entered.
    void forgetVisit();
};
