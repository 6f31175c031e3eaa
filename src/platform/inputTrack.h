#pragma once
// An input track: the events a replay or a demo feeds the game, each at the start of a pass.
//   PASS KEY down | PASS KEY up | FIRST-LAST KEY (held over those passes)
//   PASS quit | PASS focusLost | PASS hat BITS | PASS stick AXIS VALUE
//   PASS reached (the run got this far) | loop N (the track plays again from its pass 1 after
//   pass N, for ever; no event after N)
// KEY is one of the game's key names; '#' starts a comment. A recorded track starts with a
// header line saying how its run started:
//   velmora-track FORMAT game=VERSION settings=TEXT saved=TEXT options=TEXT
// with each TEXT's bytes written as themselves when they are letters, digits or ".-_", a space
// as '+', and any other byte as %XX.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/keyCodes.h"

enum class trackEventKind : unsigned char { key, quit, focusLost, hat, stick };

struct trackEvent {
    int pass = 0;
    trackEventKind kind = trackEventKind::key;
    keyCode key = keyCode::space; // key
    bool down = false;            // key
    std::int32_t axis = 0;        // stick: 0 across, 1 along
    std::int32_t value = 0;       // hat: the padHatBits held; stick: the axis's position
};

inline constexpr int trackFormat = 1;
// The last pass a track may name: a hundred hours at 60 passes a second. A later one can only
// come from a damaged or forged file, and a demo that long would never end.
inline constexpr int largestTrackPass = 100 * 60 * 60 * 60;
inline constexpr const char *trackHeaderWord = "velmora-track";

// What decides a recorded run besides its events: the game that made it and the data folder's
// three files as the game read them when the run began.
struct trackStart {
    std::string game;     // the version
    std::string settings; // settings.sav
    std::string saved;    // game.sav
    std::string options;  // options.txt
};

struct inputTrack {
    std::vector<trackEvent> events; // sorted by pass, in file order within a pass
    int loopPasses = 0;             // 0: the track plays once
    int lastPass = 0;               // the last pass any line names
    bool recorded = false;          // it has a header line, and `start` holds it
    int cutShortInLine = 0;         // a recording's last line, left without its end (0: none)
    trackStart start;
};

// Where a replay is in its track: the first event not yet pushed, so each pass looks only at
// its own events however long the track.
struct trackCursor {
    std::size_t next = 0;
    int pass = 0; // the track's pass pushed last
};

// The header line, without its line feed.
std::string trackHeaderLine(const trackStart &start);

// False with a message naming the line when the text is not a valid track. A recording whose
// last line lacks its line feed was cut off as it was written (a full disk, a crash): it is
// read up to the line before, and `cutShortInLine` names the line left out.
bool parseInputTrack(const std::string &text, inputTrack &track, std::string &error);

// Reads the file as a track; false with a one-line message beginning with the path when it is
// missing, unreadable, not a regular file, too big or not a track. A track that must
// be `recorded` refuses a file without the header line as foreign.
bool loadInputTrack(const std::string &path, inputTrack &track, std::string &error,
                    bool mustBeRecorded = false);

// How many passes a demo of the track plays: its loop, else up to its last line.
int trackLength(const inputTrack &track);

// Puts the events of this pass on the window's queue as real events. Passes come in order,
// from 1; a loop takes the cursor back to the track's start.
void pushTrackEvents(const inputTrack &track, trackCursor &cursor, int pass);

// The event's line with its line feed, written into `out` (room for trackLineRoom bytes);
// its length.
inline constexpr std::size_t trackLineRoom = 48;
std::size_t formatTrackLine(const trackEvent &event, char *out);
