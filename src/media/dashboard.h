#pragma once
// The inside of the car below the view: overlays, headlight glow, bonnet, dashboard,
// gauges and lamps, all drawn from the camera's snapshot and moving with the car.
class imageBank;
class animTables;
class camera;

void drawDashboard(imageBank &images, const animTables &animations, const camera &view);
