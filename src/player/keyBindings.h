#pragma once
// Maps the eight driving actions to key names, so the car asks for "gasKey" rather than a key.
#include <string>
#include <string_view>

#include "player/keyboardState.h"

constexpr int actionCount = 8;
constexpr int bindingSlotCount = 10; // slots 8 and 9 exist but are always false

extern const char *const actionNames[actionCount];

class keyBindings {
  public:
    explicit keyBindings(const keyboardState &keyboard);

    const keyboardState &keyboard;
    bool bindingPressed[bindingSlotCount] = {};
    bool bindingHeld[bindingSlotCount] = {};
    std::string bindingKey[actionCount];

    // Copies the bound keys' flags; the car calls it once at the start of its step.
    void refresh();
    bool actionPressed(std::string_view action) const;
    bool actionHeld(std::string_view action) const;
};

// Slot of the named action, or -1.
int actionSlot(std::string_view action);
