#pragma once
// Binds the driving actions, and the one that shows the last message again, to keys, so the
// car asks for the gas rather than a key.
// An action answers to up to two keys (a letter and an arrow by default).
#include "player/keyboardState.h"

enum class keyAction : unsigned char {
    accelerateKey,
    steerRightKey,
    steerLeftKey,
    brakeKey, // then reverse
    flashKey,
    spareKey,  // holds a key (q) but does nothing, and is not on the controls page
    lightsKey, // the headlights on and off
    pauseKey,
    recallKey, // shows the last message again for a few seconds
};

inline constexpr int actionCount = 9;
inline constexpr int keysPerAction = 2;

// The keys one action answers to: the first `count` of `keys`.
struct actionKeys {
    keyCode keys[keysPerAction] = {};
    int count = 0;

    bool has(keyCode key) const;
    // Whichever of the keys is down (or went down this pass); with a menu shown the arrows
    // do not count.
    bool anyDown(const keyboardState &keyboard, bool menuShown) const;
    bool anyPressed(const keyboardState &keyboard, bool menuShown) const;
};

// The keys every action has until the player chooses others.
actionKeys defaultActionKeys(keyAction action);

class keyBindings {
  public:
    explicit keyBindings(const keyboardState &keyboard);

    const keyboardState &keyboard;
    bool bindingPressed[actionCount] = {};
    bool bindingHeld[actionCount] = {};
    actionKeys bindingKeys[actionCount];
    // While a menu is shown the title scene's car still takes its step: the arrows and the
    // pad then move the menu and not the car.
    bool menuShown = false;

    // Copies the bound keys' flags; the car calls it once at the start of its step.
    void refresh();
    bool actionPressed(keyAction action) const { return bindingPressed[static_cast<int>(action)]; }
    bool actionHeld(keyAction action) const { return bindingHeld[static_cast<int>(action)]; }
    // The keyboard's word this pass, for a reader that runs before the car's step (the pause).
    bool pressedThisPass(keyAction action) const;

    actionKeys &keysOf(keyAction action) { return bindingKeys[static_cast<int>(action)]; }
    const actionKeys &keysOf(keyAction action) const { return bindingKeys[static_cast<int>(action)]; }
    void restoreDefaults();
};
