#include "app/stateContext.h"

#include "app/settingsFile.h"
#include "objects/objectWorld.h"

// The logo plays one frame a pass. On every pass of it the flags that the settings file
// switched on are switched on again, so a return to the title restores them.
static void updateLogo(stateContext &context) {
    applySettingsText(context.settingsText, *context.flags);
    if (context.logoCounter < logoLastFrame) {
        context.logoCounter++;
    }
}

// Driving: the car takes its step, then the camera its snapshot for drawing.
static void updatePlay(stateContext &context) {
    objectWorld &world = *context.world;
    world.car.step();
    world.view.follow(world.car);
}

void updateState(stateContext &context) {
    if (context.state == "logoAnim") {
        updateLogo(context);
    } else if (context.state == "inGame") {
        updatePlay(context);
    }
}
