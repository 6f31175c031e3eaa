#pragma once
// Plays an input track through the replay tool and keeps the state lines of the passes asked
// for; counts pixels of a screenshot by colour.
#include <functional>
#include <initializer_list>
#include <map>
#include <string>

#include "support/sdlTestEnvironment.h"

struct trackedRun {
    int exitCode = -1;
    std::string errors;                // what the tool wrote to stderr
    std::map<int, std::string> states; // by pass
    std::string saved;                 // game.sav afterwards ("" when none was written)

    const std::string &at(int pass) const;
    // A field of the state after `pass`, as text ("" when absent).
    std::string field(int pass, const std::string &key) const;
};

// `arguments` start the game (--level, --pose, --flags, --shot ...); the track is written into
// `folder`, which also holds the saved game.
trackedRun playTrack(const temporaryFolder &folder, const std::string &arguments, const std::string &track,
                     int passes, std::initializer_list<int> wanted);

// The pixels of a PNG in the box from (left, top) to (right, bottom) whose colour (red, green,
// blue) `counts`; -1 when the picture cannot be read.
int pixelsIn(const std::string &path, int left, int top, int right, int bottom,
             const std::function<bool(int, int, int)> &counts);
