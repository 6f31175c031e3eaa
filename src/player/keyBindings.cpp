#include "player/keyBindings.h"

const char *const actionNames[actionCount] = {
    "gasKey",       "rightKey",     "leftKey",       "reverseKey",
    "headlightKey", "extraLeftKey", "extraRightKey", "pauseKey",
};

static const char *const defaultKeys[actionCount] = {"w", "d", "a", "s", "space", "q", "e", "esc"};

keyBindings::keyBindings(const keyboardState &keys) : keyboard(keys) {
    for (int slot = 0; slot < actionCount; slot++) {
        bindingKey[slot] = defaultKeys[slot];
    }
}

void keyBindings::refresh() {
    for (int slot = 0; slot < actionCount; slot++) {
        bindingPressed[slot] = keyboard.isKeyPressed(bindingKey[slot]);
        bindingHeld[slot] = keyboard.isKeyDown(bindingKey[slot]);
    }
    for (int slot = actionCount; slot < bindingSlotCount; slot++) {
        bindingPressed[slot] = false;
        bindingHeld[slot] = false;
    }
}

int actionSlot(std::string_view action) {
    for (int slot = 0; slot < actionCount; slot++) {
        if (action == actionNames[slot]) {
            return slot;
        }
    }
    return -1;
}

bool keyBindings::actionPressed(std::string_view action) const {
    const int slot = actionSlot(action);
    return slot >= 0 && bindingPressed[slot];
}

bool keyBindings::actionHeld(std::string_view action) const {
    const int slot = actionSlot(action);
    return slot >= 0 && bindingHeld[slot];
}
