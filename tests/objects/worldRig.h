#pragma once
// The object world with all its objects and levels, as the game builds it.
#include <memory>
#include <optional>

#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "media/animTables.h"
#include "media/drawList.h"
#include "media/imageBank.h"
#include "objects/objectArrays.h"
#include "objects/objectWorld.h"
#include "player/keyboardState.h"

struct worldParts {
    imageBank images;
    keyboardState keyboard;
    levelList levels;
    levelSet allLevels;
    animTables animations;
    drawList sprites{images};
    objectWorld world{animations, sprites, keyboard};
    objectArrays objects;

    worldParts() {
        allLevels.linkInto(levels);
        objects.linkInto(world);
    }
};

// Large: kept on the heap.
struct worldRig {
    std::unique_ptr<worldParts> parts = std::make_unique<worldParts>();
    objectWorld &world = parts->world;
    levelList &levels = parts->levels;

    // Makes the level current without placing its objects, as a level change tells the world.
    void enterLevel(int32_t index) { levels.makeCurrent(index, world.currentLevel); }

    int placedCount(std::optional<objectKind> kind = std::nullopt) const {
        int count = 0;
        forEachPlaced(world, [&](const basicObj &object) { count += !kind || object.kind == *kind; });
        return count;
    }

    void place(objectKind kind, int32_t group, int32_t id, double x, double y) {
        setObject(world, {.create = true, .kind = kind, .groupId = group, .objectId = id, .x = x, .y = y},
                  {.visible = true});
    }

    // Changes a group, then an id (-1 for neither).
    void change(int32_t group, int32_t id, const objectChange &change) {
        setObject(world, {.groupId = group, .objectId = id}, change);
    }

    basicObj *firstPlaced(objectKind kind) const {
        for (basicObj *object : world.objects) {
            if (object->placed && object->kind == kind) {
                return object;
            }
        }
        return nullptr;
    }
};
