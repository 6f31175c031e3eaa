#include "app/sceneOfPass.h"

#include "app/stateContext.h"
#include "levels/levelList.h"
#include "levels/tileCodes.h"
#include "media/soundBank.h"
#include "objects/objectWorld.h"
#include "player/keyboardState.h"
#include "player/menuKeys.h"
#include "world/wrapping.h"

static_assert(mixChannelCount - titleChannel - 1 < sceneCueCapacity, "a pass may cue more than plays");

sceneLayout layoutOf(const gameState state) {
    switch (state) {
    case gameState::logoAnim:
        return sceneLayout::logo;
    case gameState::title:
        return sceneLayout::title;
    case gameState::introMenu:
        return sceneLayout::menu;
    case gameState::inGame:
        return sceneLayout::play;
    case gameState::paused:
        return sceneLayout::paused;
    }
    return sceneLayout::nothing;
}

namespace {

levelInPlay levelShown(const levelList &levels) {
    return {levels.current, levels.currentSide(), levels.levels[levels.current]->groundGrid};
}

sceneMenuKeys menuKeys(const keyboardState &keys) {
    return {.enter = menuKeyPressed(keys, menuKey::choose),
            .escape = menuKeyPressed(keys, menuKey::back),
            .down = menuKeyPressed(keys, menuKey::down),
            .up = menuKeyPressed(keys, menuKey::up)};
}

// Every object in the table may ask, placed or not: a cue is the object's own business.
void gatherCues(const objectWorld &world, const int32_t side, scene &pass) {
    const playerCar &car = world.car;
    pass.cueCount = 0;
    for (const basicObj *object : world.objects) {
        if (object == nullptr || !object->soundCue) {
            continue;
        }
        if (pass.cueCount == sceneCueCapacity) {
            return;
        }
        const objectCue cue = object->cue();
        if (cue.sound == effectSound::none) {
            continue; // a kind without a sound plays nothing
        }
        pass.cues[pass.cueCount++] = {cue.sound, wrappedDistance(object->x, object->y, car.x, car.y, side),
                                      cue.heardEverywhere};
    }
}

} // namespace

void describeSound(const gameState state, const objectWorld &world, const levelList &levels,
                   const keyboardState &keys, scene &pass) {
    pass.layout = layoutOf(state);
    pass.keys = menuKeys(keys);
    pass.music = levels.levels[levels.current]->music;
    const playerCar &car = world.car;
    const int32_t side = levels.currentSide();
    pass.carSpeed = car.speed;
    pass.carOnDirt = levels.groundAt(tileIndex(car.x, side), tileIndex(car.y, side)) == groundCode::dirt;
    pass.flashFired = car.flashFired;
    pass.refused = car.refused;
    gatherCues(world, side, pass);
}

void describeView(const stateContext &context, scene &pass) {
    const objectWorld &world = context.world;
    pass.layout = layoutOf(context.state);
    pass.logoCounter = context.logoCounter;
    pass.view = &world.view;
    pass.level = levelShown(context.levels);
    pass.fadeLevel = world.fade.fadeLevel;
    pass.text = &context.text;
    pass.brightness = world.brightness;
}
