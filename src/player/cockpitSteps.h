#pragma once
// How the cockpit moves with the car, one pass at a time: the glow and overlay sequences play
// on, the bonnet and dashboard sway with the steering and shake off the road, the lamps follow
// the headlights, and the needle creeps towards the speed.
#include <cstdint>

#include "world/cockpitState.h"

class animTables;

// While the headlights are on the bonnet and dashboard glow plays on; while they are off it
// waits at the switch-on frame. The white and flash overlays play on either way.
void stepDashboardAnimations(cockpitState &cockpit, const animTables &animations, bool headlightsOn);

// Bonnet and dashboard lean against the steering and settle back; off the road they bump.
void stepSway(cockpitState &cockpit, double turn, bool onDirt, bool moving);

// The headlight lamp shows the switch, the flash lamp whether a flash could fire; after a
// refusal the flash lamp blinks.
void stepLamps(cockpitState &cockpit, bool headlightsOn, bool flashCouldFire);

// One step towards the mark of the speed, at most every sixth pass.
void stepNeedle(cockpitState &cockpit, double speed, int32_t maxSpeed);

// Keeps the pictures near their places however hard the car is shaken.
void clampSway(cockpitState &cockpit);

// A fired flash plays the glow and both overlays from their first frames.
void playFlash(cockpitState &cockpit);

// A refused key press blinks the flash lamp.
void blinkFlashLamp(cockpitState &cockpit);
