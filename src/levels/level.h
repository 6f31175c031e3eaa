#pragma once

#include <cstdint>

#include "world/levelInPlay.h" // levelGridSize: both grids are always this big

class levelList;
class objectWorld;
struct scriptServices;

// A tile of a level's grids.
struct tileSpot {
    int32_t x;
    int32_t y;
};

constexpr int32_t moonLevel = 7; // the moon's level: the side exits of the later levels lead here

// One level of the game: the ground and the objects of a square world that wraps at its edges,
// and the per-frame script that tells its story. Each level is a class of its own.
class level {
  public:
    levelList *list = nullptr; // the list the level belongs to, through which it is left
    int32_t side = 0;          // tiles along each edge of the world
    int32_t music = 0;         // in-game track the level asks for: 0 none, 1 … 3
    int32_t groundGrid[levelGridSize][levelGridSize] = {}; // [x][y] road picture numbers
    int32_t objectGrid[levelGridSize][levelGridSize] = {}; // [x][y] object kinds
    // The level's own rules for the world's objects, fixed for its life.
    bool treesAreWalls = false;
    bool flashRevealsHiddenButterflies = false;

    virtual ~level() = default;

    // Puts the level back into its built state: side, music, grids and script state.
    virtual void setup();
    // Runs once per frame while the level is current.
    virtual void script(objectWorld &world, const scriptServices &services);
};
