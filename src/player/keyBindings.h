#pragma once
// Binds the eight driving actions to keys, so the car asks for the gas rather than a key.
#include "player/keyboardState.h"

enum class keyAction : unsigned char {
    gasKey,
    rightKey,
    leftKey,
    reverseKey,
    headlightKey,  // despite its name, fires the flash; extraRightKey switches the headlights
    extraLeftKey,  // bindable, but no action uses it
    extraRightKey, // despite its name, switches the headlights on and off
    pauseKey,
};

inline constexpr int actionCount = 8;
inline constexpr int bindingSlotCount = 10; // slots 8 and 9 exist but are always false

class keyBindings {
  public:
    explicit keyBindings(const keyboardState &keyboard);

    const keyboardState &keyboard;
    bool bindingPressed[bindingSlotCount] = {};
    bool bindingHeld[bindingSlotCount] = {};
    keyCode bindingKey[actionCount];

    // Copies the bound keys' flags; the car calls it once at the start of its step.
    void refresh();
    bool actionPressed(keyAction action) const { return bindingPressed[static_cast<int>(action)]; }
    bool actionHeld(keyAction action) const { return bindingHeld[static_cast<int>(action)]; }
};
