#pragma once
// The world without a screen, for the logic benchmarks: the objects, the levels and the car,
// with one level placed and the car standing in it.
#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "levels/loadLevelObjects.h"
#include "media/animTables.h"
#include "media/drawList.h"
#include "media/imageBank.h"
#include "objects/objectArrays.h"
#include "objects/objectWorld.h"
#include "platform/gameFlags.h"
#include "player/keyboardState.h"

struct logicWorld {
    imageBank images;
    keyboardState keyboard;
    levelList levels;
    levelSet allLevels;
    animTables animations;
    drawList sprites{images};
    gameFlags flags;
    objectWorld world{images, animations, sprites, flags, keyboard};
    objectArrays objects;

    logicWorld(const int32_t level, const bool moveCar, const carPose &pose) {
        allLevels.linkInto(levels);
        objects.linkInto(world);
        loadLevelObjects(levels, moveCar, level, world);
        world.car.placeAt(pose);
        world.car.headlightsOn = true;
    }
};
