#include "player/keyBindings.h"

// In action order: w, d, a, s steer and drive, space flashes, q is spare, e switches the
// headlights, esc pauses.
static constexpr keyCode defaultKeys[actionCount] = {keyCode::w,     keyCode::d, keyCode::a, keyCode::s,
                                                     keyCode::space, keyCode::q, keyCode::e, keyCode::esc};

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
