#pragma once
// The game-state record: which of the five states the game is in and the little each
// state keeps. The state logic reads and writes it once per pass; the renderer reads it
// to choose what to draw.
#include <string>

#include "app/gameState.h"
#include "levels/menuPages.h"
#include "levels/settingsPage.h"
#include "platform/gameFlags.h"

class levelList;
class objectWorld;
class textBox;
class keyboardState;
class soundBank;
struct dataFiles;
struct scriptServices;

inline constexpr int logoLastFrame = 83; // the logo runs 84 passes; its last frame is the title

class stateContext {
  public:
    // Linked once to the parts of the game the states work on, which outlive it.
    stateContext(gameFlags &flags, levelList &levels, objectWorld &world, textBox &text,
                 const keyboardState &keyboard, dataFiles &files, soundBank &sounds);
    stateContext(const stateContext &) = delete;
    stateContext &operator=(const stateContext &) = delete;

    gameFlags &flags;
    levelList &levels;
    objectWorld &world;
    textBox &text;
    const keyboardState &keyboard;
    dataFiles &files;
    soundBank &sounds;

    std::string gameSaveText = "0000000";
    std::string settingsText = "00";
    gameState state = gameState::logoAnim;
    menuPages pauseMenu; // its page and cursor; "title" once "return to title" was chosen
    settingsPage pauseSettings;
    bool entered = false;
    int logoCounter = 0;
};

// What the level scripts and the shared settings page are handed besides the world.
scriptServices scriptServicesOf(const stateContext &context);

// One pass of game logic for the current state.
void updateState(stateContext &context);

// Everything back as it was at start-up, and the logo again.
void returnToTitle(stateContext &context);
