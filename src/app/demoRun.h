#pragma once
// The input side of a recorded run: each pass's keys are read from the window as usual and
// written to the track, or read from a track while the window's own events are only looked
// at for Esc and for the window closing.
#include <cstddef>

#include "app/demoMode.h"
#include "platform/inputTrack.h"
#include "player/recordedInput.h"

class game;
class keyboardState;
class trackWriter;

struct demoRun {
    demoMode mode = demoMode::none;
    const inputTrack *track = nullptr; // play and time
    trackWriter *writer = nullptr;     // record
    recordedInput recorded;
    int pass = 0;        // the passes read so far
    trackCursor cursor;  // the track's first event not yet fed
    bool ended = false;  // the player pressed Esc, or the track ran out
    bool closed = false; // the player closed the window
};

// The pass's input into the keyboard; true when a quit event was met, as keyboardState::poll.
bool readPassInput(demoRun &demo, keyboardState &keys);

// Before a pass of a demo: true once the track has run out or the player pressed Esc or
// closed the window (`ended` or `closed` says which). F12 and Alt+Enter go to the keyboard,
// which the pass's poll tells of them; the player's other events are dropped.
bool demoOver(demoRun &demo, keyboardState &keys);

// Records the session's run into the writer from its first pass on, after a header with how
// it starts: this game's version, the settings and keys it read, and the saved game.
void startRecording(game &session, trackWriter &writer);
