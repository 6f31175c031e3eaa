// The calls the page's touch controls and its gamepad poll make into the game. A touch control
// presses the key the player bound to its action, so it follows the player's rebinding; the
// menus and the pad have keys of their own, the same whatever the player chose.
#include <emscripten.h>

#include <string_view>

#include "app/browserHooks.h"
#include "app/game.h"
#include "platform/input.h"

namespace {

bool isTracked(const int key) {
    return key >= 0 && key < trackedKeyCount;
}

} // namespace

extern "C" {

// The first key bound to the action (its number in the game's order of actions); -1 before
// the game is built or for an action that does not exist.
EMSCRIPTEN_KEEPALIVE int velmoraActionKey(const int action) {
    const game *session = runningGame();
    if (session == nullptr || action < 0 || action >= actionCount) {
        return -1;
    }
    const actionKeys &keys = session->world.car.bindings.keysOf(static_cast<keyAction>(action));
    return keys.count > 0 ? keyIndex(keys.keys[0]) : -1;
}

// The key with the name an input track or the options file gives it ("enter", "padA"); -1
// for none.
EMSCRIPTEN_KEEPALIVE int velmoraKeyNamed(const char *name) {
    const std::optional<keyCode> key = keyByName(std::string_view(name));
    return key ? keyIndex(*key) : -1;
}

// The key goes down or up as if the player had pressed it: a pad key as the pad's own event.
EMSCRIPTEN_KEEPALIVE void velmoraKey(const int key, const int down) {
    if (isTracked(key)) {
        queueKeyEvent(static_cast<keyCode>(key), down != 0);
    }
}

// The pad's d-pad held in the directions of padHatBits, and its left stick's axis (0 across,
// 1 along) moved to a value of -32768 to 32767.
EMSCRIPTEN_KEEPALIVE void velmoraPadHat(const int bits) {
    queueHatEvent(bits);
}

EMSCRIPTEN_KEEPALIVE void velmoraPadStick(const int axis, const int value) {
    queueStickEvent(axis, value);
}

// Whether the arrows and taps move a menu rather than the car: 1 outside play.
EMSCRIPTEN_KEEPALIVE int velmoraMenuShown() {
    const game *session = runningGame();
    return session == nullptr || session->world.car.bindings.menuShown ? 1 : 0;
}
}
