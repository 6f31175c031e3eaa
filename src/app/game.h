#pragma once
// Every long-lived object of the game, built once in a fixed order (members are
// constructed in declaration order) and linked by plain references. Nothing here is
// created or destroyed during play.
#include "app/commandLine.h"
#include "app/demoRun.h"
#include "app/mainLoop.h"
#include "app/stateContext.h"
#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "media/animTables.h"
#include "media/drawList.h"
#include "media/imageBank.h"
#include "media/lightShapes.h"
#include "media/renderer.h"
#include "media/soundBank.h"
#include "media/textBox.h"
#include "objects/objectArrays.h"
#include "objects/objectWorld.h"
#include "platform/dataFiles.h"
#include "platform/gameFlags.h"
#include "platform/timer.h"
#include "platform/video.h"
#include "player/keyboardState.h"

class game {
  public:
    // A display mode chosen for this run replaces the settings file's in the text the logo
    // applies; the file keeps what the player saved.
    game(screenHandle screen, const dataFiles &files, displayChoice display = displayChoice::fromSettings);
    ~game();
    game(const game &) = delete;
    game &operator=(const game &) = delete;

    gameFlags flags;
    int frameRateCap = 60;
    bool renderToggle = false;

    imageBank images; // slot 0 is the screen all drawing goes to
    keyboardState keyboard;
    levelList levels;
    levelSet allLevels;
    textBox text;
    animTables animations;
    lightShapes shapes;
    drawList sprites;
    objectWorld world;
    objectArrays allObjects;
    soundBank sounds;
    stateContext context;
    renderer frameRenderer;
    scene pass; // what this pass shows and sounds like
    dataFiles files;

    videoModeState video;
    timer frameTimer;
    framePacer pacer;
    demoRun demo; // where each pass's keys come from and go to

    screenHandle screen() const { return {images.slots[screenSlot]}; }
};

// The logic half of a pass: input, the video mode, one step of the current state.
void runPassLogic(game &session);
// The drawing half of a pass; false when this pass draws nothing (30 fps).
bool runPassDrawing(game &session);
// One whole pass, timed for the pacing: the desktop's loop and the browser's frames both run
// the game by these. False when the pass drew nothing.
bool runPass(game &session);
