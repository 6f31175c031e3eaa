#pragma once
#include "replayOptions.h"

#include "player/playerCar.h"

class game;

// Starts play straight in a level, skipping the logo and the menus: the game enters the
// level through its own "inGame" entry on the first pass.
void startPlayInLevel(game &session, int level);

// The car's pose for a heading: heading h faces (−cos h, sin h) with the camera plane
// 0.8 · (sin h, cos h).
carPose poseFromHeading(const headingPose &pose);

// The progress flags from six characters of '0' and '1'; false for anything else.
bool parseProgressFlags(const std::string &text, bool (&flags)[6]);
