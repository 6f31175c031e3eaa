#include "levels/loadLevelObjects.h"

#include "levels/levelList.h"
#include "levels/tileCodes.h"
#include "media/drawList.h"
#include "objects/objectWorld.h"
#include "world/wrapping.h"

namespace {

// Groups are numbered as the load scans the grid: column by column from x = 0, each column
// from y = 0 up, every kind sharing the one counter. The order in which a level's setup()
// placed its tiles plays no part.
template <typename visitor> void scanGrid(const int32_t side, visitor &&visit) {
    for (int32_t x = 0; x < side; x++) {
        for (int32_t y = 0; y < side; y++) {
            visit(x, y);
        }
    }
}

struct groupNumbering {
    int32_t perKind[objectKindCount] = {};
    int32_t next = 0;

    // The group the next tile of the grid value takes, or -1. A tile counts against its
    // kind's limit by three; past the limit it takes no number, and the start tile none.
    int32_t number(const int32_t gridValue) {
        const std::optional<objectKind> kind = kindOfGridCode(gridValue);
        if (!kind || perKind[kindIndex(*kind)] >= capacityOf(*kind)) {
            return -1;
        }
        perKind[kindIndex(*kind)] += 3;
        return next++;
    }
};

struct placementCounters {
    bool startTileSeen = false;
    groupNumbering groups;
    int32_t id = 0;
};

// The nine copies of one tile, each a whole side apart; the home copy is the fifth.
void placeTile(objectWorld &world, const objectKind kind, int32_t side, int x, int y, int32_t group,
               placementCounters &counters) {
    for (int a = -1; a <= 1; a++) {
        for (int b = -1; b <= 1; b++) {
            setObject(world,
                      {.create = true,
                       .kind = kind,
                       .groupId = group,
                       .objectId = counters.id,
                       .x = side * a + x + 0.5,
                       .y = side * b + y + 0.5},
                      {.visible = true});
            counters.id++;
        }
    }
}

void placeCell(levelList &levels, bool moveCar, objectWorld &world, int x, int y,
               placementCounters &counters) {
    const int32_t value = levels.objectAt(x, y);
    if (value == objectCode::startTile) {
        if (!counters.startTileSeen && moveCar) {
            world.car.x = x + 0.5;
            world.car.y = y + 0.5;
        }
        counters.startTileSeen = true;
        return;
    }
    const int32_t group = counters.groups.number(value);
    if (group >= 0) {
        placeTile(world, *kindOfGridCode(value), levels.currentSide(), x, y, group, counters);
    }
}

} // namespace

void loadLevelObjects(levelList &levels, bool moveCar, int32_t newLevel, objectWorld &world,
                      const scriptServices &services) {
    if (newLevel < 0 || newLevel >= levelCount) {
        return;
    }
    levels.makeCurrent(newLevel, world.currentLevel);
    world.sprites.clear();
    for (basicObj *object : world.objects) {
        if (object != nullptr) {
            object->reset();
        }
    }
    placementCounters counters;
    scanGrid(levels.currentSide(),
             [&](int32_t x, int32_t y) { placeCell(levels, moveCar, world, x, y, counters); });
    levels.runLevelScript(world, services);
}

int32_t groupOnTile(const level &lvl, const tileSpot tile) {
    const int32_t x = wrapTile(tile.x, lvl.side);
    const int32_t y = wrapTile(tile.y, lvl.side);
    groupNumbering groups;
    int32_t found = -1;
    scanGrid(lvl.side, [&](const int32_t cellX, const int32_t cellY) {
        const int32_t group = groups.number(lvl.objectGrid[cellX][cellY]);
        if (cellX == x && cellY == y) {
            found = group;
        }
    });
    return found;
}
