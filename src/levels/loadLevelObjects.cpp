#include "levels/loadLevelObjects.h"

#include "levels/levelList.h"
#include "levels/tileCodes.h"
#include "media/drawList.h"
#include "objects/objectWorld.h"

namespace {

struct placementCounters {
    bool startTileSeen = false;
    int32_t perKind[objectKindCount] = {};
    int32_t group = 0;
    int32_t id = 0;
};

// The nine copies of one tile, each a whole side apart; the home copy is the fifth.
void placeTile(objectWorld &world, const objectKind kind, int32_t side, int x, int y,
               placementCounters &counters) {
    for (int a = -1; a <= 1; a++) {
        for (int b = -1; b <= 1; b++) {
            setObject(world,
                      {.create = true,
                       .kind = kind,
                       .groupId = counters.group,
                       .objectId = counters.id,
                       .x = side * a + x + 0.5,
                       .y = side * b + y + 0.5},
                      {.visible = true});
            counters.id++;
        }
        counters.perKind[kindIndex(kind)]++;
    }
    counters.group++;
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
    // A tile counts against its kind's limit by three; past the limit it takes no number.
    const std::optional<objectKind> kind = kindOfGridCode(value);
    if (kind && counters.perKind[kindIndex(*kind)] < capacityOf(*kind)) {
        placeTile(world, *kind, levels.currentSide(), x, y, counters);
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
    const int32_t side = levels.currentSide();
    for (int x = 0; x < side; x++) {
        for (int y = 0; y < side; y++) {
            placeCell(levels, moveCar, world, x, y, counters);
        }
    }
    levels.runLevelScript(world, services);
}
