#pragma once
// A recorded run played again in a game of its own, started from the data folder the run
// began with (made for it and removed afterwards): watched in the window at the game's pace,
// or timed at full speed.
#include <string>

#include "app/commandLine.h"
#include "platform/video.h"

struct inputTrack;

struct demoEnd {
    screenHandle screen; // windowed again, if the demo had gone fullscreen
    bool closed = false; // the player closed the window: the game ends
    bool audible = false;
    bool failed = false; // no folder could be made for it (said on standard error)
};

// F12's screenshots go to `screenshotFolder`: the player's, not the demo's own.
demoEnd playDemo(screenHandle screen, const inputTrack &track, displayChoice display,
                 const std::string &screenshotFolder);

// Plays the track as fast as the machine can, drawing each pass the game draws, and answers
// one line: "NAME: P passes in S s, R passes/s, drawing median M ms, p99 N ms". Empty when
// it could not be played. With a `stateLine`, the state line the game ends in is put there.
std::string timeDemo(screenHandle screen, const inputTrack &track, const std::string &name, bool &audible,
                     std::string *stateLine = nullptr);

// The line timeDemo answers, from its figures.
std::string timedemoLine(const std::string &name, int passes, double seconds, double drawMedianMs,
                         double drawP99Ms);
