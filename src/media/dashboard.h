#pragma once
// The inside of the car below the view: overlays, headlight glow, bonnet, dashboard,
// gauges and lamps, all drawn from the camera's snapshot and moving with the car.
class layerBlitter;
class animTables;
class camera;

void drawDashboard(const layerBlitter &layers, const animTables &animations, const camera &view);
