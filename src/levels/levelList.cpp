#include "levels/levelList.h"

void levelList::link(const std::array<level *, levelCount> &allLevels) {
    levels = allLevels;
    for (level *each : levels) {
        each->list = this;
    }
}

void levelList::makeCurrent(const int32_t index, levelInPlay &record) {
    previous = current;
    current = index;
    const level &now = currentLevel();
    record = {.index = index,
              .side = now.side,
              .ground = now.groundGrid,
              .treesAreWalls = now.treesAreWalls,
              .flashRevealsHiddenButterflies = now.flashRevealsHiddenButterflies};
}

void levelList::runLevelScript(objectWorld &world, const scriptServices &services) {
    currentLevel().script(world, services);
}

int32_t levelList::currentSide() const {
    return currentLevel().side;
}

int32_t levelList::groundAt(int32_t x, int32_t y) const {
    return currentLevel().groundGrid[x][y];
}

int32_t levelList::objectAt(int32_t x, int32_t y) const {
    return currentLevel().objectGrid[x][y];
}

void levelList::resetLevels() {
    for (level *each : levels) {
        each->setup();
    }
}
