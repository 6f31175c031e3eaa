#pragma once
#include <string>

class game;

// One JSON line describing the game after a pass.
std::string stateReport(const game &session, int pass);
