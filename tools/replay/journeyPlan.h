#pragma once
// A journey plan: the legs a test driver plays one after another, one a line; '#' starts a
// comment. Each leg ends when it is done, or the journey gives up on it after a bounded
// number of passes ("within N" at the end of any line sets the bound).
//   press KEY                      down for one pass, then up
//   hold KEYS N                    KEYS (a,b,...) held for N passes
//   wait N                         N passes with no key held
//   until COND [KEYS]              KEYS (or none) held until COND holds
//   drive X Y [at S] [stop] [until COND]
//                                  steers to (X, Y) at speed S at most (30 by default); the leg
//                                  ends on reaching it, standing still with "stop"; with
//                                  "until", the car drives on straight past it until COND holds
//   follow X Y HEADING [at S] [ahead L] [stop [exactly]] [until COND]
//                                  keeps to the line through (X, Y) along HEADING degrees
//                                  (the car's heading: 0 faces -x, 90 faces +y) until COND, or
//                                  with "stop" until it stands at (X, Y) (up to 0.75 tiles short,
//                                  or to a few hundredths "exactly"); it aims L tiles ahead
//                                  along the line (12 by default: shorter holds a line more
//                                  tightly, and weaves more)
//   flash                          brakes to a standstill and fires the flash
//   lights                         switches the headlights
//   defend on|off                  from here on (or no longer), the car stands and flashes at a
//                                  hunting ghost car that comes at it from ahead
//   defend racers                  from here on, a standing car flashes whenever a racing ghost
//                                  car will be in the beam as the flash goes off
//   expect COND                    the journey fails unless COND holds now
//   quit                           closes the window: the run ends
//   include FILE                   the legs of another plan, FILE relative to this one
// COND: level L | stage S | moon P | state NAME | flags 100000 | saved TEXT (game.sav) |
//       message TEXT (the message line reads exactly TEXT, spaces as '_') |
//       x< V | x> V | y< V | y> V (the car's position) |
//       ghosts N (ghost cars patrolling or hunting, counted by group) |
//       heading H (the car's heading within 3 degrees of H) |
//       inlevel N (N passes or more since the current level was entered) |
//       won N (the flame N, 1 … 6, has been won)
#include <string>
#include <vector>

#include "platform/keyCodes.h"

enum class legKind { press, hold, wait, until, drive, follow, flash, lights, defend, expect, quit };

enum class conditionKind {
    none,
    level,
    stage,
    moon,
    state,
    flags,
    saved,
    message,
    ghosts,
    heading,
    inLevel,
    won,
    xBelow,
    xAbove,
    yBelow,
    yAbove
};

struct journeyCondition {
    conditionKind kind = conditionKind::none;
    int number = 0;          // level, stage, moon
    double coordinate = 0.0; // x< x> y< y>, heading
    std::string text;        // state, flags, saved, message
};

struct journeyLeg {
    legKind kind = legKind::wait;
    std::string where;  // file:line, for messages
    std::string source; // the line as written
    std::vector<keyCode> keys;
    int passes = 0;          // hold, wait
    double x = 0.0, y = 0.0; // drive, follow
    double heading = 0.0;    // follow
    double topSpeed = 30.0;
    double lookAhead = 12.0; // follow
    bool stop = false;
    bool exactly = false; // follow ... stop exactly
    bool on = false;      // defend
    bool racers = false;  // defend racers
    journeyCondition condition;
    int bound = 0; // passes before the journey gives up on the leg
};

// False with a message naming the line when the text is not a valid plan.
bool parseJourneyPlan(const std::string &text, std::vector<journeyLeg> &legs, std::string &error);
bool loadJourneyPlan(const std::string &path, std::vector<journeyLeg> &legs, std::string &error);
