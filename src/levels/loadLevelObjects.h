#pragma once
#include <cstdint>

class levelList;
class objectWorld;
struct scriptServices;

// Makes `newLevel` current and fills the world from its object grid: every object is
// reset, then each object tile is placed nine times, on the home square and on its eight
// wrapped neighbours, so that objects near an edge are seen from across it. With
// `moveCar` the car goes to the level's first start tile. The new level's script then
// runs once to set up what was placed.
void loadLevelObjects(levelList &levels, bool moveCar, int32_t newLevel, objectWorld &world,
                      const scriptServices &services);
