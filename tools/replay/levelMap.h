#pragma once
// A top-down map of a level: its ground grid drawn with the game's own tile pictures, one
// square per cell, and every object tile marked with its kind and group number. Used to
// check that roads join without a seam.
#include <string>

class imageBank;
class level;

// Writes the map as PNG; `cellSize` pixels a cell (64 shows the tiles at full size).
bool writeLevelMap(const level &map, const imageBank &images, int cellSize, const std::string &path);
