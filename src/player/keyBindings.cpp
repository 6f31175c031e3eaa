#include "player/keyBindings.h"

namespace {

// In action order: w, d, a, s (or the arrows) steer and drive, space flashes, q is spare,
// e switches the headlights, esc pauses, tab shows the last message again.
constexpr actionKeys defaultKeys[actionCount] = {
    {{keyCode::w, keyCode::up}, 2},
    {{keyCode::d, keyCode::right}, 2},
    {{keyCode::a, keyCode::left}, 2},
    {{keyCode::s, keyCode::down}, 2},
    {{keyCode::space}, 1},
    {{keyCode::q}, 1},
    {{keyCode::e}, 1},
    {{keyCode::esc}, 1},
    {{keyCode::tab}, 1},
};

// The pad's part, the same whatever keys the player chose: the d-pad or the stick steers,
// the bottom button accelerates, the right one brakes, the left one flashes, the top one
// switches the headlights and start pauses. The spare action and the recall have no button.
constexpr keyCode padKeys[actionCount] = {keyCode::padA, keyCode::padRight, keyCode::padLeft,
                                          keyCode::padB, keyCode::padX,     keyCode::padStart,
                                          keyCode::padY, keyCode::padStart, keyCode::padStart};
constexpr bool padAnswers[actionCount] = {true, true, true, true, true, false, true, true, false};

bool padDown(const keyboardState &keyboard, const int slot) {
    return padAnswers[slot] && keyboard.isKeyDown(padKeys[slot]);
}

bool padPressed(const keyboardState &keyboard, const int slot) {
    return padAnswers[slot] && keyboard.isKeyPressed(padKeys[slot]);
}

bool movesMenus(const keyCode key) {
    return key == keyCode::up || key == keyCode::down || key == keyCode::left || key == keyCode::right;
}

} // namespace

bool actionKeys::has(const keyCode key) const {
    for (int index = 0; index < count; index++) {
        if (keys[index] == key) {
            return true;
        }
    }
    return false;
}

bool actionKeys::anyDown(const keyboardState &keyboard, const bool menuShown) const {
    for (int index = 0; index < count; index++) {
        if (keyboard.isKeyDown(keys[index]) && !(menuShown && movesMenus(keys[index]))) {
            return true;
        }
    }
    return false;
}

bool actionKeys::anyPressed(const keyboardState &keyboard, const bool menuShown) const {
    for (int index = 0; index < count; index++) {
        if (keyboard.isKeyPressed(keys[index]) && !(menuShown && movesMenus(keys[index]))) {
            return true;
        }
    }
    return false;
}

actionKeys defaultActionKeys(const keyAction action) {
    return defaultKeys[static_cast<int>(action)];
}

keyBindings::keyBindings(const keyboardState &keys) : keyboard(keys) {
    restoreDefaults();
}

void keyBindings::restoreDefaults() {
    for (int slot = 0; slot < actionCount; slot++) {
        bindingKeys[slot] = defaultKeys[slot];
    }
}

void keyBindings::refresh() {
    for (int slot = 0; slot < actionCount; slot++) {
        const bool padCounts = !menuShown;
        bindingPressed[slot] =
            bindingKeys[slot].anyPressed(keyboard, menuShown) || (padCounts && padPressed(keyboard, slot));
        bindingHeld[slot] =
            bindingKeys[slot].anyDown(keyboard, menuShown) || (padCounts && padDown(keyboard, slot));
    }
}

bool keyBindings::pressedThisPass(const keyAction action) const {
    return keysOf(action).anyPressed(keyboard, false) || padPressed(keyboard, static_cast<int>(action));
}
