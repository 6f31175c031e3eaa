#pragma once
// The window's events in the game's own terms: the tracked keys, mouse buttons and gamepad
// buttons going down and up, the mouse moving, the pad's d-pad and left stick moving, the
// window losing the player's attention, the window being closed, and the two keys that work
// on the window rather than the game: F12 for a screenshot and Alt+Enter for fullscreen.
#include <cstdint>

#include "platform/keyCodes.h"

enum class inputEventType : unsigned char {
    keyDown,
    keyUp,
    mouseMotion,
    padHat,
    padStick,
    focusLost,
    quit,
    screenshotKey,       // F12 went down
    fullscreenSwitchKey, // Enter went down with Alt held; it is no Enter for the game
};

// The d-pad's directions, as bits of a padHat event's x.
enum padHatBits : std::int32_t { hatUp = 1, hatRight = 2, hatDown = 4, hatLeft = 8 };

struct inputEvent {
    inputEventType type = inputEventType::quit;
    keyCode key = keyCode::space; // for keyDown and keyUp
    std::int32_t x = 0;           // mouseMotion: the position; padHat: the direction bits;
    std::int32_t y = 0;           // padStick: the axis (0 across, 1 along) in x, its value in y
};

// Opens every gamepad (joystick) plugged in, so that its events reach the queue; the count.
int openGamepads();

// Takes the next event the game cares for from the window's queue; false once the queue
// is empty. Keys the game does not track and other events are dropped on the way.
bool pollInputEvent(inputEvent &event);

// Put a real event on the window's queue, where the next poll finds it, as if the player
// had pressed or let go of the key or closed the window. The replay tool plays its input
// tracks through these.
// A pad key goes as the pad's own event: a button, or the d-pad held in that direction.
void queueKeyEvent(keyCode key, bool down);
void queueQuitEvent();
// The window losing the player's attention; the d-pad held in the padHatBits directions;
// the left stick's axis (0 across, 1 along) moved to the value.
void queueFocusLostEvent();
void queueHatEvent(std::int32_t bits);
void queueStickEvent(std::int32_t axis, std::int32_t value);
