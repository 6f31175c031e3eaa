#include "app/commandLine.h"

#include <cstring>
#include <utility>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "unknown"
#endif

const char *const usageLine =
    "usage: velmora [--scale 1|2|3|4] [--windowed | --fullscreen]\n"
    "               [--record FILE | --playdemo FILE | --timedemo FILE [--state]]\n";
const char *const optionsText =
    "  --scale N     show each pixel as N x N pixels this run (default: the largest\n"
    "                of 1, 2 and 3 that fits the desktop; never 4 unasked, since\n"
    "                without a graphics card it takes nearly a whole frame to show)\n"
    "  --windowed    play in a window this run, whatever the settings say\n"
    "  --fullscreen  play fullscreen this run, whatever the settings say\n"
    "  --record FILE    play as usual and write every key of the run to FILE as it\n"
    "                   goes, with how the run started (settings, keys, saved game)\n"
    "  --playdemo FILE  watch a recorded run; Esc ends it and goes to the title.\n"
    "                   Your own settings and saved game are not touched\n"
    "  --timedemo FILE  play a recorded run as fast as the machine can, print one\n"
    "                   line of figures (passes, seconds, passes a second, drawing\n"
    "                   time) and exit\n"
    "  --state          with --timedemo: then print the state line the run ends in,\n"
    "                   as velmora-replay prints it\n"
    "  --version     print the version and exit\n"
    "  -h, --help    print this and exit\n"
    "While the game runs, F12 saves the screen as a PNG in screenshots/ in the data\n"
    "folder, and Alt+Enter switches between a window and fullscreen.\n"
    "The pictures and sounds are read from $VELMORA_DATA_DIR when it is set, else from\n"
    "assets/ beside the program (a build), else from the installed share/velmora\n"
    "folder, else from the working folder. The settings and the saved game are kept\n"
    "in $APPDATA/Velmora, else $XDG_DATA_HOME/Velmora, else ~/.local/share/Velmora.\n";

namespace {

commandLineChoice only(const commandAction action, std::string complaint = {}) {
    commandLineChoice choice;
    choice.action = action;
    choice.complaint = std::move(complaint);
    return choice;
}

bool isScale(const char *value) {
    return std::strlen(value) == 1 && value[0] >= '1' && value[0] <= '0' + largestWindowScale;
}

struct demoOption {
    std::string_view name;
    demoMode mode;
};
constexpr demoOption demoOptions[] = {
    {"--record", demoMode::record}, {"--playdemo", demoMode::play}, {"--timedemo", demoMode::time}};

const demoOption *findDemoOption(const std::string_view name) {
    for (const demoOption &option : demoOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

} // namespace

commandLineChoice readCommandLine(const int argc, const char *const *argv) {
    commandLineChoice choice;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            return only(commandAction::help);
        }
        if (option == "--version") {
            return only(commandAction::version);
        }
        if (option == "--windowed") {
            choice.display = displayChoice::windowed;
        } else if (option == "--fullscreen") {
            choice.display = displayChoice::fullscreen;
        } else if (option == "--scale") {
            const char *value = i + 1 < argc ? argv[++i] : "";
            if (!isScale(value)) {
                return only(commandAction::bad,
                            "--scale takes 1, 2, 3 or 4, not '" + std::string(value) + "'");
            }
            choice.scale = value[0] - '0';
        } else if (option == "--state") {
            choice.printState = true;
        } else if (const demoOption *demo = findDemoOption(option)) {
            const char *value = i + 1 < argc ? argv[++i] : "";
            if (value[0] == '\0' || value[0] == '-') {
                return only(commandAction::bad, std::string(option) + " takes a file, not '" + value + "'");
            }
            if (choice.demo != demoMode::none) {
                return only(commandAction::bad, "only one of --record, --playdemo and --timedemo at a time");
            }
            choice.demo = demo->mode;
            choice.demoPath = value;
        } else {
            return only(commandAction::bad, "unknown option '" + std::string(option) + "'");
        }
    }
    if (choice.printState && choice.demo != demoMode::time) {
        return only(commandAction::bad, "--state goes with --timedemo");
    }
    return choice;
}

std::string versionLine() {
    return "velmora " + gameVersion();
}

std::string gameVersion() {
    return VELMORA_VERSION;
}

std::string settingsWithDisplayChoice(const std::string_view settingsText, const displayChoice choice) {
    std::string text(settingsText);
    if (choice != displayChoice::fromSettings && !text.empty()) {
        // Applying a '0' leaves the flag as it is, and it starts off: the run stays windowed.
        text[0] = choice == displayChoice::fullscreen ? '1' : '0';
    }
    return text;
}
