#pragma once

#include <array>
#include <cstdint>

#include "levels/level.h"
#include "world/levelInPlay.h"

constexpr int32_t levelCount = 18;

// The one way the rest of the game reaches the levels: which one is current, where play
// starts from the title, and the eighteen level objects in index order.
class levelList {
  public:
    int32_t current = 0;
    int32_t previous = 0;   // the level that was current before the last change
    int32_t startLevel = 0; // the level play enters from the title
    std::array<level *, levelCount> levels = {};

    // Entry i must be the level of index i; the levels outlive the list.
    void link(const std::array<level *, levelCount> &allLevels);

    // The level becomes current, the one before it previous, and the objects' record of
    // the level in play tells of it.
    void makeCurrent(int32_t index, levelInPlay &record);
    bool isCurrent(const level &lvl) const { return levels[current] == &lvl; }

    void runLevelScript(objectWorld &world, const scriptServices &services);
    int32_t currentSide() const;
    // Callers bring x and y into 0 … side − 1 first.
    int32_t groundAt(int32_t x, int32_t y) const;
    int32_t objectAt(int32_t x, int32_t y) const;
    // Rebuilds every level, undoing whatever their scripts changed.
    void resetLevels();

  private:
    level &currentLevel() const { return *levels[current]; }
};
