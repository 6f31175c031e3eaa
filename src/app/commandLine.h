#pragma once
// What the player asked for on the command line: the window's scale and mode for this run,
// or the usage or the version instead of a game.
#include <string>
#include <string_view>

#include "app/demoMode.h"
#include "platform/video.h"

// Windowed or fullscreen for this run only; the settings file keeps what the player saved.
enum class displayChoice { fromSettings, windowed, fullscreen };

enum class commandAction { play, help, version, bad };

struct commandLineChoice {
    commandAction action = commandAction::play;
    int scale = automaticWindowScale;
    displayChoice display = displayChoice::fromSettings;
    demoMode demo = demoMode::none;
    std::string demoPath;    // the track to write or play
    bool printState = false; // --timedemo also prints the state line the game ends in
    std::string complaint;   // why a bad command line was refused, in one line
};

// The one line shown with a refusal, and the options that follow it under --help.
extern const char *const usageLine;
extern const char *const optionsText;

// Reads the options left to right: --help and --version end the reading at once, a later
// --scale, --windowed or --fullscreen overrides an earlier one, and anything unknown is bad.
commandLineChoice readCommandLine(int argc, const char *const *argv);

// "velmora 1.2.3": the name and the version the build was made from.
std::string versionLine();
// "1.2.3"
std::string gameVersion();

// The settings text the game applies this run: its fullscreen character replaced when the
// player chose a mode on the command line. The file itself is not touched.
std::string settingsWithDisplayChoice(std::string_view settingsText, displayChoice choice);
