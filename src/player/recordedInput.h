#pragma once
// What a recording keeps of the keyboard after each pass: only the state a pass ends with
// counts (a key down and up within one pass is never pressed), so the recording writes what
// changed since the last pass. Keys without a name do nothing in play and are left out; the
// pad's directions go as the d-pad's bits and the stick's side of its dead zone.
#include <cstdint>

#include "platform/keyCodes.h"

class keyboardState;
class trackWriter;

struct recordedInput {
    bool down[trackedKeyCount] = {};
    std::int32_t hat = 0;
    std::int32_t stick[2] = {}; // -1, 0 or 1: which side of the dead zone each axis is on
};

// Writes this pass's changes (and the quit, and the window losing the player's attention)
// and ends the pass in the file.
void recordPassInput(const keyboardState &keys, bool quit, int pass, recordedInput &last,
                     trackWriter &writer);
