#pragma once
// An input track: the key events a replay feeds the game, each at the start of a pass.
//   PASS KEY down | PASS KEY up | FIRST-LAST KEY (held over those passes)
//   loop N (the track plays again from its pass 1 after pass N, for ever; no event after N)
// KEY is one of the game's key names, or "quit" for a window-close event; '#' starts a comment.
#include <string>
#include <vector>

#include "platform/keyCodes.h"

struct trackEvent {
    int pass = 0;
    bool quit = false; // a window-close event rather than a key
    keyCode key = keyCode::space;
    bool down = false;
};

struct inputTrack {
    std::vector<trackEvent> events; // sorted by pass, in file order within a pass
    int loopPasses = 0;             // 0: the track plays once
};

// False with a message naming the line when the text is not a valid track.
bool parseInputTrack(const std::string &text, inputTrack &track, std::string &error);
bool loadInputTrack(const std::string &path, inputTrack &track, std::string &error);

// Puts the events of this pass on the window's queue as real key and quit events.
void pushTrackEvents(const inputTrack &track, int pass);
