#pragma once
// The per-pass state of the 60 keys and buttons the game tracks, filled from the SDL
// event queue once per pass. A key reports "pressed" on exactly one pass after it goes
// down, and not again until it has been seen up at the end of a pass.
#include <SDL.h>

#include <string_view>

constexpr int trackedKeyCount = 60;
constexpr int namedKeyCount = 54;

// What a tracked slot answers to: a key symbol, or a mouse button when `mouseButton` is set.
struct trackedKey {
    SDLKey symbol;
    Uint8 mouseButton; // SDL_BUTTON_LEFT / SDL_BUTTON_RIGHT, or 0 for a key
    const char *name;  // nullptr for the keys that are tracked but have no name
};

extern const trackedKey trackedKeys[trackedKeyCount];

class keyboardState {
  public:
    Sint32 mouseX = 0;
    Sint32 mouseY = 0;
    bool down[trackedKeyCount] = {};
    bool armed[trackedKeyCount] = {};
    bool pressed[trackedKeyCount] = {};

    // Drains the event queue; true when a quit event was met (later events stay queued).
    bool poll();
    // Applies one event; true for a quit event.
    bool handleEvent(const SDL_Event &event);
    // The end-of-pass step that turns fresh downs into single presses.
    void endPass();

    bool isKeyDown(std::string_view name) const;
    bool isKeyPressed(std::string_view name) const;
};

// Index of the tracked slot with this name, or -1.
int keyIndexByName(std::string_view name);
// Index of the tracked slot for this key symbol, or -1.
int keyIndexBySymbol(SDLKey symbol);
