#pragma once
// The window's events in the game's own terms: the tracked keys and mouse buttons going
// down and up, the mouse moving, and the window being closed.
#include <cstdint>

#include "platform/keyCodes.h"

enum class inputEventType : unsigned char { keyDown, keyUp, mouseMotion, quit };

struct inputEvent {
    inputEventType type = inputEventType::quit;
    keyCode key = keyCode::space; // for keyDown and keyUp
    std::int32_t x = 0;           // for mouseMotion
    std::int32_t y = 0;
};

// Takes the next event the game cares for from the window's queue; false once the queue
// is empty. Keys the game does not track and other events are dropped on the way.
bool pollInputEvent(inputEvent &event);

// Put a real event on the window's queue, where the next poll finds it, as if the player
// had pressed or let go of the key or closed the window. The replay tool plays its input
// tracks through these.
void queueKeyEvent(keyCode key, bool down);
void queueQuitEvent();
