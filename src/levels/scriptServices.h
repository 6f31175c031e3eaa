#pragma once
// What the level scripts use besides the world they change: the text box their lines
// appear in, the data files the game is saved to, and the game's switches (the title menu
// sets them, the crossroads reads `fourth`). The game builds it; every script is handed it.
#include "platform/gameFlags.h"

class textBox;
struct dataFiles;

struct scriptServices {
    textBox &text;
    const dataFiles &files;
    gameFlags &flags;
};
