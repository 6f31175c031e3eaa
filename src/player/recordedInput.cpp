#include "player/recordedInput.h"

#include "platform/trackWriter.h"
#include "player/keyboardState.h"

namespace {

std::int32_t sideOf(const std::int32_t value) {
    return value < -stickDeadZone ? -1 : value > stickDeadZone ? 1 : 0;
}

// The stick's position for a side: all the way, or at rest.
std::int32_t valueOfSide(const std::int32_t side) {
    return side < 0 ? -32768 : side > 0 ? 32767 : 0;
}

bool isRecordedKey(const keyCode key) {
    const bool padDirection = key == keyCode::padLeft || key == keyCode::padRight || key == keyCode::padUp ||
                              key == keyCode::padDown;
    return !padDirection && !keyName(key).empty();
}

} // namespace

void recordPassInput(const keyboardState &keys, const bool quit, const int pass, recordedInput &last,
                     trackWriter &writer) {
    for (int index = 0; index < trackedKeyCount; index++) {
        const keyCode key = static_cast<keyCode>(index);
        if (isRecordedKey(key) && keys.down[index] != last.down[index]) {
            writer.add(trackEvent{.pass = pass, .key = key, .down = keys.down[index]});
            last.down[index] = keys.down[index];
        }
    }
    if (keys.hatDirections != last.hat) {
        writer.add(trackEvent{.pass = pass, .kind = trackEventKind::hat, .value = keys.hatDirections});
        last.hat = keys.hatDirections;
    }
    const std::int32_t sides[2] = {sideOf(keys.stickX), sideOf(keys.stickY)};
    for (std::int32_t axis = 0; axis < 2; axis++) {
        if (sides[axis] != last.stick[axis]) {
            writer.add(trackEvent{.pass = pass,
                                  .kind = trackEventKind::stick,
                                  .axis = axis,
                                  .value = valueOfSide(sides[axis])});
            last.stick[axis] = sides[axis];
        }
    }
    if (keys.focusLost && !quit) {
        writer.add(trackEvent{.pass = pass, .kind = trackEventKind::focusLost});
    }
    if (quit) {
        writer.add(trackEvent{.pass = pass, .kind = trackEventKind::quit});
    }
    writer.endPass(pass);
}
