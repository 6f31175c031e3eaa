#pragma once
// The replay tool's command line.
#include <string>
#include <vector>

struct screenshotRequest {
    int pass = 0;
    std::string path;
};

struct replayOptions {
    int frames = 0;
    std::string inputPath;
    std::string dataDir; // empty: the player's own folder
    std::string assetsDir;
    std::vector<screenshotRequest> shots;
    std::vector<int> statePasses;
    bool stateEveryPass = false;
    bool timedemo = false;
};

// False with a message when the arguments are not understood.
bool parseReplayOptions(int argc, char **argv, replayOptions &options, std::string &error);

extern const char *const replayUsage;
