#pragma once
// Shapes the dashboard, bonnet and tests agree on, in picture coordinates of the
// 660 × 510 bonnet and dashboard pictures (drawn 10 pixels up and left of the sway).
constexpr int cockpitWidth = 660;  // covers the screen at any sway of −5 … 5
constexpr int cockpitHeight = 510; // covers the screen at any bump of −12 … 12

// Top edge of the bonnet: highest in the middle, just low enough that with the
// deepest bump it still meets the bottom of the view band.
float bonnetTop(float x);
// Top edge of the dashboard: low in the middle, rising towards the pillars.
float dashTop(float x);
