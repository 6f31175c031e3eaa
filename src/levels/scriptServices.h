#pragma once
// What the level scripts use besides the world they change: the text box their lines
// appear in, the data files the game is saved to (which keep a failed save to try again),
// the game's switches (the title menu sets them, the crossroads reads `fourth`) and the
// keyboard the title menu reads. The game builds it; every script is handed it.
#include "platform/gameFlags.h"

class keyboardState;
class textBox;
struct dataFiles;

struct scriptServices {
    textBox &text;
    dataFiles &files;
    gameFlags &flags;
    const keyboardState &keyboard;
};
