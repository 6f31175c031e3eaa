#pragma once
#include "platform/settingsFile.h"
#include "platform/video.h"

// Builds every long-lived object, runs the paced main loop until the player quits,
// then frees what was loaded. Answers whether any sound was still audible at the end.
bool runGame(screenHandle screen, const dataFiles &files);
