#pragma once
// What the world's objects know of the level being played: which one it is, how big it is,
// its ground, and the few rules of its own that objects follow there. The level list keeps it
// up to date whenever the level changes.
#include <cstdint>

// Both grids of every level are this big; a level uses only its first `side` cells.
constexpr int32_t levelGridSize = 80;

struct levelInPlay {
    int32_t index = 0;
    int32_t side = 0;                                 // tiles along each edge of the world
    const int32_t (*ground)[levelGridSize] = nullptr; // [x][y] road picture numbers
    bool treesAreWalls = false;                       // trees keep the car off as the moon does
    bool flashRevealsHiddenButterflies = false;       // the flash shows a hidden one that still glows

    // Callers bring x and y into 0 … side − 1 first. Bare ground before any level is entered.
    int32_t groundAt(int32_t x, int32_t y) const { return ground != nullptr ? ground[x][y] : 0; }
};
