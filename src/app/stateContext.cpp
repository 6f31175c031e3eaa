#include "app/stateContext.h"

#include "app/settingsFile.h"
#include "levels/levelList.h"
#include "objects/buildSpriteList.h"
#include "objects/objectWorld.h"

// The logo plays one frame a pass. On every pass of it the flags that the settings file
// switched on are switched on again, so a return to the title restores them.
static void updateLogo(stateContext &context) {
    applySettingsText(context.settingsText, *context.flags);
    if (context.logoCounter < logoLastFrame) {
        context.logoCounter++;
    }
}

// Driving: the level's script, the world's step, the sprites, then the camera's
// snapshot for drawing.
static void updatePlay(stateContext &context) {
    objectWorld &world = *context.world;
    context.levels->runLevelScript(world);
    updateObjects(world);
    buildSpriteList(world);
    world.view.follow(world.car);
}

void updateState(stateContext &context) {
    if (context.state == "logoAnim") {
        updateLogo(context);
    } else if (context.state == "inGame") {
        updatePlay(context);
    }
}
