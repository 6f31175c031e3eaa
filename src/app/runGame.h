#pragma once
#include "platform/settingsFile.h"
#include "platform/video.h"

// Builds every long-lived object, runs the paced main loop until the player quits,
// then frees what was loaded.
void runGame(screenHandle screen, const dataFiles &files);
