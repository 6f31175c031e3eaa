// Any bytes in options.txt: what the reader makes of them leaves every action with a key of
// its own and the volumes and brightness in range, and writing that back reads again as the same choices.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "media/soundVolumes.h"
#include "player/keyBindings.h"
#include "player/optionsFile.h"

namespace {

// No key drives two actions, every action has one or two keys, both volumes are 0 … 10.
bool settled(const keyBindings &bindings, const soundVolumes &volumes) {
    for (int one = 0; one < choosableActionCount; one++) {
        const actionKeys &keys = bindings.keysOf(choosableActions[one].action);
        if (keys.count < 1 || keys.count > keysPerAction) {
            return false;
        }
        for (int other = one + 1; other < choosableActionCount; other++) {
            for (int index = 0; index < keys.count; index++) {
                if (bindings.keysOf(choosableActions[other].action).has(keys.keys[index])) {
                    return false;
                }
            }
        }
    }
    return volumes.music >= 0 && volumes.music <= fullVolume && volumes.effects >= 0 &&
           volumes.effects <= fullVolume;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    keyboardState keyboard;
    keyBindings bindings(keyboard);
    soundVolumes volumes;
    int brightness = defaultBrightness;
    applyOptionsText(bytes, bindings, volumes, brightness, "options.txt");
    if (!settled(bindings, volumes) || brightness < 0 || brightness > maxBrightness) {
        std::abort();
    }
    const std::string written = playerOptionsText(bindings, volumes, brightness);
    keyBindings again(keyboard);
    soundVolumes volumesAgain;
    int brightnessAgain = defaultBrightness;
    if (applyOptionsText(written, again, volumesAgain, brightnessAgain, "options.txt") != 0 ||
        playerOptionsText(again, volumesAgain, brightnessAgain) != written) {
        std::abort();
    }
    return 0;
}
