#pragma once
// Runs the velmora-replay binary and collects what it prints.
#include <string>
#include <vector>

struct replayResult {
    int exitCode = -1;
    std::vector<std::string> lines; // standard output, one entry a line
    std::string errors;             // standard error
};

replayResult runReplay(const std::string &arguments);

// The value of a simple "key": value pair in a JSON line, as text ("" when absent).
std::string jsonField(const std::string &line, const std::string &key);
