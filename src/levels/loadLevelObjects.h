#pragma once
#include <cstdint>

#include "levels/level.h"

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

// The group the load gives the objects of the tile, or -1 when no object stands there: for
// a script that names a group by the tile it stands on. Groups follow the grid's scan,
// column by column from x = 0 and each column from y = 0 up, not the order in which setup()
// placed the tiles. The tile wraps as it does in setup().
int32_t groupOnTile(const level &lvl, tileSpot tile);
