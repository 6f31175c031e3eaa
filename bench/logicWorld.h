#pragma once
// The world without a screen, for the logic benchmarks: the objects, the levels and the car,
// with one level placed and the car standing in it. The scripts' text goes to a box nobody
// draws, and there is no data folder to save to.
#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "levels/loadLevelObjects.h"
#include "levels/scriptServices.h"
#include "media/animTables.h"
#include "media/drawList.h"
#include "media/imageBank.h"
#include "media/textBox.h"
#include "objects/objectArrays.h"
#include "objects/objectWorld.h"
#include "platform/dataFiles.h"
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
    textBox text;
    dataFiles files;
    const scriptServices services{text, files, flags, keyboard};
    objectWorld world{animations, sprites, keyboard};
    objectArrays objects;

    logicWorld(const int32_t level, const bool moveCar, const carPose &pose) {
        allLevels.linkInto(levels);
        objects.linkInto(world);
        loadLevelObjects(levels, moveCar, level, world, services);
        world.car.placeAt(pose);
        world.car.headlightsOn = true;
    }
};
