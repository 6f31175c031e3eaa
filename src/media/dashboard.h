#pragma once
// The inside of the car below the view: overlays, headlight glow, bonnet, dashboard,
// gauges and lamps, all drawn from the camera's copy of the cockpit and moving with it.
#include <cstdint>

class layerBlitter;
class animTables;
struct cockpitState;

void drawDashboard(const layerBlitter &layers, const animTables &animations, const cockpitState &cockpit,
                   bool headlightsOn, int32_t battery);
