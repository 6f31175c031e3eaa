#pragma once
#include <string>

#include "app/gameState.h"

class game;
class levelList;
class playerCar;
class textArea;

// One JSON line describing the game after a pass.
// With `listObjects`, every placed object is listed too.
std::string stateReport(const game &session, int pass, bool listObjects);

// The pieces of a state line that a test driver reads too.
const char *stateName(gameState state);
int currentStage(const levelList &levels);           // the current level's script stage
int currentMoonPhase(const levelList &levels);       // level 7's moon phase; -1 elsewhere
std::string areaText(const textArea &area);          // the letters an area holds, in slot order
std::string progressFlagsText(const playerCar &car); // the six flames, "1" for each won
