#pragma once
// Short one-shot sounds. Each starts and ends at silence.
#include "soundSynth.h"

// The player's car and the menus.
stereoSound refusalClick(int variant);   // two variants of a dull switch tick
stereoSound headlightFlash(int variant); // three variants of a flash pop and its recharge whine
stereoSound menuMove();                  // cursor step
stereoSound menuConfirm();               // choice taken

// Sounds the world's objects ask for.
stereoSound treeSaveChime();
stereoSound lampSwitch();
stereoSound ghostAlarm();
stereoSound stoneCrush();
stereoSound flameChime();
stereoSound moonBeat();
stereoSound statueStrike();
