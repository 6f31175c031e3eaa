#pragma once

#include <cstdint>
#include <memory>

#include "levels/levelList.h"
#include "levels/levelSet.h"

// Every level built and linked, as the game does it; on the heap because the grids are large.
struct builtLevels {
    std::unique_ptr<levelSet> set = std::make_unique<levelSet>();
    levelList list;

    builtLevels() { set->linkInto(list); }
    level &at(int32_t index) { return *list.levels[index]; }
};
