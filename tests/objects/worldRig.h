#pragma once
// The object world with all its objects and levels, as the game builds it.
#include <memory>

#include "app/gameFlags.h"
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
    gameFlags flags;
    objectWorld world{images, levels, animations, sprites, flags, keyboard};
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

    int placedCount(std::string_view kind = "") const {
        int count = 0;
        for (const basicObj *object : world.objects) {
            count += object->placed && (kind.empty() || object->kind == kind);
        }
        return count;
    }

    void place(std::string_view kind, int32_t group, int32_t id, double x, double y) {
        setObject(true, world, kind, group, id, x, y, 0, 0, -1, -1, -1, -1, -1, -1, -1, 1, "same");
    }

    // Changes a group (or an id) by a position offset and a frame, leaving the rest.
    void change(int32_t group, int32_t id, double dx, double dy, int32_t frame = -1, double angle = -1,
                std::string_view mode = "same") {
        setObject(false, world, "none", group, id, dx, dy, 0, 0, frame, -1, -1, -1, angle, -1, -1, -1, mode);
    }

    basicObj *firstPlaced(std::string_view kind) const {
        for (basicObj *object : world.objects) {
            if (object->placed && object->kind == kind) {
                return object;
            }
        }
        return nullptr;
    }
};
