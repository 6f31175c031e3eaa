#include "replayOptions.h"

#include <algorithm>
#include <cctype>
#include <string_view>

const char *const replayUsage =
    "usage: velmora-replay --frames N [--input FILE] [--data-dir DIR] [--assets DIR]\n"
    "                      [--shot N:FILE.png]... [--state N|all]... [--timedemo]\n";

static bool parseCount(std::string_view text, int &value) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit)) {
        return false;
    }
    value = std::stoi(std::string(text));
    return true;
}

static bool parseShot(std::string_view text, replayOptions &options) {
    const size_t colon = text.find(':');
    screenshotRequest shot;
    if (colon == std::string_view::npos || !parseCount(text.substr(0, colon), shot.pass) ||
        colon + 1 == text.size()) {
        return false;
    }
    shot.path = std::string(text.substr(colon + 1));
    options.shots.push_back(shot);
    return true;
}

static bool parseState(std::string_view text, replayOptions &options) {
    if (text == "all") {
        options.stateEveryPass = true;
        return true;
    }
    int pass = 0;
    if (!parseCount(text, pass)) {
        return false;
    }
    options.statePasses.push_back(pass);
    return true;
}

// Applies one option that takes a value; false when the value is not valid.
static bool applyOption(std::string_view name, std::string_view value, replayOptions &options) {
    if (name == "--frames") {
        return parseCount(value, options.frames);
    }
    if (name == "--input") {
        options.inputPath = value;
        return !value.empty();
    }
    if (name == "--data-dir") {
        options.dataDir = value;
        return !value.empty();
    }
    if (name == "--assets") {
        options.assetsDir = value;
        return !value.empty();
    }
    if (name == "--shot") {
        return parseShot(value, options);
    }
    if (name == "--state") {
        return parseState(value, options);
    }
    return false;
}

bool parseReplayOptions(int argc, char **argv, replayOptions &options, std::string &error) {
    bool framesGiven = false;
    for (int i = 1; i < argc; i++) {
        const std::string_view name = argv[i];
        if (name == "--timedemo") {
            options.timedemo = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value or unknown option: " + std::string(name);
            return false;
        }
        if (!applyOption(name, argv[i + 1], options)) {
            error = "bad option: " + std::string(name) + " " + argv[i + 1];
            return false;
        }
        framesGiven = framesGiven || name == "--frames";
        i++;
    }
    if (!framesGiven) {
        error = "--frames N is required";
        return false;
    }
    return true;
}
