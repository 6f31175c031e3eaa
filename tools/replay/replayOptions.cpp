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
    "                      [--flags 101000] [--fourth 0|1] [--plan FILE [--give-up-shot FILE.png]]\n"
    "                      [--record FILE.demo]\n";

const char *const replayOptionsText =
    "Plays the game headless from an input track, pass by pass and without pacing.\n"
    "  --frames N           passes to run (required)\n"
    "  --input FILE         the input track, or a recorded demo\n"
    "  --data-dir DIR       the folder of settings.sav, game.sav and options.txt\n"
    "  --assets DIR         the folder that holds art/ and sounds/\n"
    "  --shot N:FILE.png    the screen after pass N as a PNG (repeatable)\n"
    "  --state N|all        one JSON state line after pass N, or after every pass\n"
    "  --objects            every placed object in each state line\n"
    "  --timedemo           logic and drawing times, start-up time and memory at the end\n"
    "  --level L            start play in level L (0 to 17)\n"
    "  --pose X,Y,HEADING   with --level: where the car stands and which way it faces\n"
    "  --map FILE.png       with --level: a top-down map of the level\n"
    "  --map-cell PIXELS    the map's pixels a tile (1 to 64)\n"
    "  --flags 101000       with --level: the six flames won\n"
    "  --fourth 0|1         the game's fourth switch; 0 opens the last two flames' routes\n"
    "  --plan FILE          the journey driver's plan instead of an input track\n"
    "  --give-up-shot FILE  the screen where the driver gave up (default gave-up.png)\n"
    "  --record FILE.demo   write the run's input as a demo\n"
    "  -h, --help           print this and exit\n";

namespace {

constexpr double largestTurn = 360.0;

// A whole number of at most nine digits, digits only: no sign, no exponent, nothing to overflow.
bool parseCount(std::string_view text, int &value) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit)) {
        return false;
    }
    value = std::stoi(std::string(text));
    return true;
}

bool parsePass(std::string_view text, int &pass) {
    return parseCount(text, pass) && pass >= 1;
}

bool parseShot(std::string_view text, replayOptions &options) {
    const size_t colon = text.find(':');
    screenshotRequest shot;
    if (colon == std::string_view::npos || !parsePass(text.substr(0, colon), shot.pass) ||
        colon + 1 == text.size()) {
        return false;
    }
    shot.path = std::string(text.substr(colon + 1));
    options.shots.push_back(shot);
    return true;
}

bool parseNumber(const std::string &text, double &value) {
    char *end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(value);
}

// Three finite numbers; whether they fit the level is judged once the level is known.
bool parsePose(std::string_view text, replayOptions &options) {
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

bool parseState(std::string_view text, replayOptions &options) {
    if (text == "all") {
        options.stateEveryPass = true;
        return true;
    }
    int pass = 0;
    if (!parsePass(text, pass)) {
        return false;
    }
    options.statePasses.push_back(pass);
    return true;
}

bool parseName(std::string_view value, std::string &name) {
    name = value;
    return !value.empty();
}

// One option that takes a value, what it wants, and how it reads the value.
struct valueOption {
    std::string_view name;
    const char *wants;
    bool (*apply)(std::string_view value, replayOptions &options);
};

const valueOption valueOptions[] = {
    {"--frames", "a whole number of passes, 0 to 999999999",
     [](std::string_view v, replayOptions &o) { return parseCount(v, o.frames); }},
    {"--input", "a file", [](std::string_view v, replayOptions &o) { return parseName(v, o.inputPath); }},
    {"--data-dir", "a folder", [](std::string_view v, replayOptions &o) { return parseName(v, o.dataDir); }},
    {"--assets", "a folder", [](std::string_view v, replayOptions &o) { return parseName(v, o.assetsDir); }},
    {"--shot", "PASS:FILE.png with a pass 1 to 999999999", parseShot},
    {"--state", "a pass 1 to 999999999, or all", parseState},
    {"--level", "a level 0 to 17",
     [](std::string_view v, replayOptions &o) { return parseCount(v, o.level) && o.level < levelCount; }},
    {"--pose", "three finite numbers X,Y,HEADING", parsePose},
    {"--flags", "six characters 0 or 1",
     [](std::string_view v, replayOptions &o) {
         o.progressFlags = v;
         return v.size() == 6 && v.find_first_not_of("01") == std::string_view::npos;
     }},
    {"--fourth", "0 or 1",
     [](std::string_view v, replayOptions &o) {
         o.fourth = v == "1" ? 1 : v == "0" ? 0 : -1;
         return o.fourth >= 0;
     }},
    {"--plan", "a file", [](std::string_view v, replayOptions &o) { return parseName(v, o.planPath); }},
    {"--give-up-shot", "a file",
     [](std::string_view v, replayOptions &o) { return parseName(v, o.giveUpShot); }},
    {"--record", "a file", [](std::string_view v, replayOptions &o) { return parseName(v, o.recordPath); }},
    {"--map", "a file", [](std::string_view v, replayOptions &o) { return parseName(v, o.mapPath); }},
    {"--map-cell", "a whole number of pixels, 1 to 64",
     [](std::string_view v, replayOptions &o) {
         return parseCount(v, o.mapCellSize) && o.mapCellSize >= 1 && o.mapCellSize <= 64;
     }},
};

const valueOption *findValueOption(std::string_view name) {
    for (const valueOption &option : valueOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

} // namespace

bool poseFitsLevel(const headingPose &pose, const int side, std::string &error) {
    const double reach = 2.0 * side;
    if (!(std::fabs(pose.x) <= reach && std::fabs(pose.y) <= reach)) {
        error = "--pose: X and Y must lie within -" + std::to_string(2 * side) + " to " +
                std::to_string(2 * side) + ", two sides of this level's " + std::to_string(side) +
                "-tile square";
        return false;
    }
    if (!(std::fabs(pose.heading) <= largestTurn)) {
        error = "--pose: HEADING must lie within -360 to 360 degrees";
        return false;
    }
    return true;
}

bool parseReplayOptions(int argc, char **argv, replayOptions &options, std::string &error) {
    bool framesGiven = false;
    for (int i = 1; i < argc; i++) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            return true;
        }
        if (name == "--timedemo" || name == "--objects") {
            (name == "--timedemo" ? options.timedemo : options.listObjects) = true;
            continue;
        }
        const valueOption *option = findValueOption(name);
        if (option == nullptr) {
            error = "unknown option: " + std::string(name);
            return false;
        }
        if (i + 1 >= argc) {
            error = std::string(name) + " wants " + option->wants;
            return false;
        }
        if (!option->apply(argv[i + 1], options)) {
            error =
                "bad value for " + std::string(name) + ": '" + argv[i + 1] + "'; it wants " + option->wants;
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
    // A demo starts as the game does, from its data folder alone.
    if (!options.recordPath.empty() &&
        (options.level >= 0 || !options.progressFlags.empty() || options.fourth >= 0)) {
        error =
            "--record cannot go with --level, --flags or --fourth: a demo starts from the data folder alone";
        return false;
    }
    if ((options.hasPose || !options.mapPath.empty()) && options.level < 0) {
        error = "--pose and --map go with --level";
        return false;
    }
    return true;
}
