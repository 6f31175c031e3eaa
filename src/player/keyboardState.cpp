#include "player/keyboardState.h"

bool keyboardState::handleEvent(const inputEvent &event) {
    switch (event.type) {
    case inputEventType::quit:
        return true;
    case inputEventType::mouseMotion:
        mouseX = event.x;
        mouseY = event.y;
        return false;
    case inputEventType::keyDown:
    case inputEventType::keyUp:
        down[keyIndex(event.key)] = event.type == inputEventType::keyDown;
        return false;
    }
    return false;
}

void keyboardState::endPass() {
    for (int i = 0; i < trackedKeyCount; i++) {
        if (!down[i]) {
            armed[i] = true;
        }
    }
    for (bool &flag : pressed) {
        flag = false;
    }
    for (int i = 0; i < trackedKeyCount; i++) {
        if (down[i] && armed[i]) {
            armed[i] = false;
            pressed[i] = true;
        }
    }
}

bool keyboardState::poll() {
    inputEvent event;
    while (pollInputEvent(event)) {
        if (handleEvent(event)) {
            // The quit ends the pass's input at once: this pass's presses stay as they were.
            return true;
        }
    }
    endPass();
    return false;
}
