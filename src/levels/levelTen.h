#pragma once

#include <cstdint>

#include "levels/level.h"
#include "levels/scriptBlocks.h"

// The road broken by two lines of ground lights, with a road block beside it on each side:
// the second flame. Driving through the gap makes the lights flicker; standing at a line
// bows it out and lights a block; driving out of a block closes both lines on the flame.
class levelTen : public level {
  public:
    // The script's stages, in the order it runs them; the state line shows their numbers.
    enum class scriptStage : int32_t { entering, solvingPuzzle };
    using enum scriptStage;

    scriptStage stage = entering;
    int32_t phase = 0; // the puzzle's step; -1 once the flame is won
    int32_t armed = 0;
    bool messageShown = false;
    int32_t flickerTimer = 0;
    int32_t timer = 0; // frames of the lines' current move
    flickerDice dice;

    levelTen() { setup(); }

    void setup() override;
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void enter(objectWorld &world);
    void runPhase(objectWorld &world, const scriptServices &services);
    void flickerLine(objectWorld &world, groupRange line, int32_t low, int32_t high);
    // One frame of a move that lasts 31 frames; true on its last.
    bool moveLine(objectWorld &world, groupRange line, double direction);
    bool closeLines(objectWorld &world);
    void bringFlame(objectWorld &world);
    void waitForPickup(objectWorld &world, const scriptServices &services);
    void speak(objectWorld &world, textBox &text);
    levelExit leave(objectWorld &world, const scriptServices &services);
    void forgetVisit();
};
