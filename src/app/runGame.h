#pragma once
#include "app/commandLine.h"
#include "platform/dataFiles.h"
#include "platform/video.h"

class trackWriter;

// Where play opens: with the logo, or at the title at once (after a watched demo, whose
// watcher has seen the logo already).
enum class gameOpening { logo, title };

// Builds every long-lived object, runs the paced main loop until the player quits,
// then frees what was loaded. A display mode chosen on the command line holds for this run.
// With a writer, the run is recorded into it as it goes. Answers whether any sound was still
// audible at the end.
bool runGame(screenHandle screen, const dataFiles &files, displayChoice display = displayChoice::fromSettings,
             trackWriter *recording = nullptr, gameOpening opening = gameOpening::logo);
