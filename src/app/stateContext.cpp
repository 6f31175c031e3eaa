#include "app/stateContext.h"

#include "app/settingsFile.h"

// The logo plays one frame a pass. On every pass of it the flags that the settings file
// switched on are switched on again, so a return to the title restores them.
static void updateLogo(stateContext &context) {
    applySettingsText(context.settingsText, *context.flags);
    if (context.logoCounter < logoLastFrame) {
        context.logoCounter++;
    }
}

void updateState(stateContext &context) {
    if (context.state == "logoAnim") {
        updateLogo(context);
    }
}
