#pragma once
// The per-pass state of the keys and buttons the game tracks, filled from the window's
// events once per pass. A key reports "pressed" on exactly one pass after it goes down,
// and not again until it has been seen up at the end of a pass. The pad's four directions
// are held while the d-pad or the left stick (past its dead zone) points that way.
#include <cstdint>

#include "platform/input.h"

// A stick rests a little off centre; a push past a quarter of its travel counts.
inline constexpr std::int32_t stickDeadZone = 8000;

class keyboardState {
  public:
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    bool down[trackedKeyCount] = {};
    bool armed[trackedKeyCount] = {};
    bool pressed[trackedKeyCount] = {};
    std::int32_t hatDirections = 0; // padHatBits
    std::int32_t stickX = 0;
    std::int32_t stickY = 0;
    bool focusLost = false; // the window lost the player's attention during the last poll
    // F12 and Alt+Enter during the last poll: keys for the window, which the game's state and
    // a recording never see.
    bool screenshotAsked = false;
    bool fullscreenSwitchAsked = false;

    // Drains the window's events; true when a quit event was met (later events stay queued).
    bool poll();
    // Applies one event; true for a quit event.
    bool handleEvent(const inputEvent &event);
    // The end-of-pass step that turns fresh downs into single presses.
    void endPass();

    bool isKeyDown(keyCode key) const { return down[keyIndex(key)]; }
    bool isKeyPressed(keyCode key) const { return pressed[keyIndex(key)]; }

  private:
    bool focusLostPending = false;
    bool screenshotPending = false;
    bool fullscreenSwitchPending = false;
    void followPad();
};
