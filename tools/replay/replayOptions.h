#pragma once
// The replay tool's command line.
#include <string>
#include <vector>

struct screenshotRequest {
    int pass = 0;
    std::string path;
};

// Where and which way the car stands: HEADING in degrees as the car's heading.
struct headingPose {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
};

struct replayOptions {
    bool help = false; // --help: the usage and what each option means, and nothing run
    int frames = 0;
    std::string inputPath;
    std::string dataDir; // empty: the player's own folder
    std::string assetsDir;
    std::vector<screenshotRequest> shots;
    std::vector<int> statePasses;
    bool stateEveryPass = false;
    bool timedemo = false;
    bool listObjects = false; // every placed object in each state line
    int level = -1;           // play starts directly in this level
    bool hasPose = false;
    headingPose pose;
    std::string progressFlags; // six '0'/'1' characters, or empty
    int fourth = -1;           // the game's `fourth` switch: 0 or 1, or -1 to leave it as the game sets it
    std::string mapPath;       // a top-down map of the level given by --level
    int mapCellSize = 64;
    std::string planPath;                   // a journey plan for the test driver, instead of an input track
    std::string giveUpShot = "gave-up.png"; // the screen of the pass where the driver gave up
    std::string recordPath;                 // the run's input written as a demo
};

// False with a message when the arguments are not understood.
bool parseReplayOptions(int argc, char **argv, replayOptions &options, std::string &error);

// A pose fits a level of `side` tiles when X and Y lie within two sides of the square either
// way and the heading within one turn: farther out, wrapping the car back into the square
// would take ages and the floor's tile arithmetic would overflow. False with a message.
bool poseFitsLevel(const headingPose &pose, int side, std::string &error);

extern const char *const replayUsage;
// What each option means, printed after the usage by --help.
extern const char *const replayOptionsText;
