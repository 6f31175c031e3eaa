#pragma once
// The inside of the car below the view: overlays, headlight glow, bonnet, dashboard,
// gauges and lamps, all drawn from the camera's copy of the cockpit and moving with it.
#include <cstdint>

class layerBlitter;
class animTables;
struct cockpitState;

// Where the bonnet and the dashboard lie this pass, and which of their frames shows.
struct dashboardPlacement {
    int hoodSlot, hoodX, hoodY;
    int dashSlot, dashX, dashY;
};
dashboardPlacement placeDashboard(const animTables &animations, const cockpitState &cockpit);

void drawDashboard(const layerBlitter &layers, const animTables &animations, const cockpitState &cockpit,
                   bool headlightsOn, int32_t battery);
