#pragma once
#include <string>

class game;

// One JSON line describing the game after a pass.
// With `listObjects`, every placed object is listed too.
std::string stateReport(const game &session, int pass, bool listObjects);
