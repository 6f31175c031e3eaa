#include "replayOptions.h"

#include "levels/levelList.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string_view>

const char *const replayUsage =
    "usage: velmora-replay --frames N [--input FILE] [--data-dir DIR] [--assets DIR]\n"
    "                      [--shot N:FILE.png]... [--state N|all]... [--objects] [--timedemo]\n"
    "                      [--level L [--pose X,Y,HEADING] [--map FILE.png [--map-cell PIXELS]]]\n"
    "                      [--flags 101000] [--fourth 0|1] [--plan FILE [--give-up-shot FILE.png]]\n";

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

static bool parseNumber(const std::string &text, double &value) {
    char *end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(value);
}

static bool parsePose(std::string_view text, replayOptions &options) {
    const size_t first = text.find(',');
    const size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos) {
        return false;
    }
    options.hasPose = parseNumber(std::string(text.substr(0, first)), options.pose.x) &&
                      parseNumber(std::string(text.substr(first + 1, second - first - 1)), options.pose.y) &&
                      parseNumber(std::string(text.substr(second + 1)), options.pose.heading);
    return options.hasPose;
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
    if (name == "--level") {
        return parseCount(value, options.level) && options.level < levelCount;
    }
    if (name == "--pose") {
        return parsePose(value, options);
    }
    if (name == "--flags") {
        options.progressFlags = value;
        return value.size() == 6 && value.find_first_not_of("01") == std::string_view::npos;
    }
    if (name == "--fourth") {
        options.fourth = value == "1" ? 1 : value == "0" ? 0 : -1;
        return options.fourth >= 0;
    }
    if (name == "--plan") {
        options.planPath = value;
        return !value.empty();
    }
    if (name == "--give-up-shot") {
        options.giveUpShot = value;
        return !value.empty();
    }
    if (name == "--map") {
        options.mapPath = value;
        return !value.empty();
    }
    if (name == "--map-cell") {
        return parseCount(value, options.mapCellSize) && options.mapCellSize >= 1 &&
               options.mapCellSize <= 64;
    }
    return false;
}

bool parseReplayOptions(int argc, char **argv, replayOptions &options, std::string &error) {
    bool framesGiven = false;
    for (int i = 1; i < argc; i++) {
        const std::string_view name = argv[i];
        if (name == "--timedemo" || name == "--objects") {
            (name == "--timedemo" ? options.timedemo : options.listObjects) = true;
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
    if (!options.planPath.empty() && !options.inputPath.empty()) {
        error = "--plan and --input cannot go together";
        return false;
    }
    if ((options.hasPose || !options.mapPath.empty()) && options.level < 0) {
        error = "--pose and --map go with --level";
        return false;
    }
    return true;
}
