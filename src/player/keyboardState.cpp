#include "player/keyboardState.h"

void keyboardState::followPad() {
    down[keyIndex(keyCode::padLeft)] = (hatDirections & hatLeft) != 0 || stickX < -stickDeadZone;
    down[keyIndex(keyCode::padRight)] = (hatDirections & hatRight) != 0 || stickX > stickDeadZone;
    down[keyIndex(keyCode::padUp)] = (hatDirections & hatUp) != 0 || stickY < -stickDeadZone;
    down[keyIndex(keyCode::padDown)] = (hatDirections & hatDown) != 0 || stickY > stickDeadZone;
}

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
    case inputEventType::padHat:
        hatDirections = event.x;
        followPad();
        return false;
    case inputEventType::padStick:
        (event.x == 0 ? stickX : stickY) = event.y;
        followPad();
        return false;
    case inputEventType::focusLost:
        focusLostPending = true;
        return false;
    case inputEventType::screenshotKey:
        screenshotPending = true;
        return false;
    case inputEventType::fullscreenSwitchKey:
        fullscreenSwitchPending = true;
        return false;
    }
    return false;
}

void keyboardState::endPass() {
    focusLost = focusLostPending;
    focusLostPending = false;
    screenshotAsked = screenshotPending;
    screenshotPending = false;
    fullscreenSwitchAsked = fullscreenSwitchPending;
    fullscreenSwitchPending = false;
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
