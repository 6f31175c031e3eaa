#pragma once
// The player's own choices, "options.txt" beside the settings: the keys of the seven actions
// and the two volumes, one line each ("accelerate w up", "musicVolume 7"). A missing line
// keeps its default; the file is written only when the player changes a choice.
#include <string>
#include <string_view>

#include "player/keyBindings.h"

struct soundVolumes;

inline constexpr int choosableActionCount = 7;

// An action the player can bind: its word in the file, its line on the controls page.
struct choosableAction {
    std::string_view fileName;
    std::string_view label;
    keyAction action;
};

inline constexpr choosableAction choosableActions[choosableActionCount] = {
    {"accelerate", "accelerate", keyAction::gasKey}, {"brake", "brake", keyAction::reverseKey},
    {"left", "steer left", keyAction::leftKey},      {"right", "steer right", keyAction::rightKey},
    {"flash", "flash", keyAction::headlightKey},     {"lights", "headlights", keyAction::extraRightKey},
    {"pause", "pause", keyAction::pauseKey},
};

// "w up", the keys' names with a space between.
std::string keyNames(const actionKeys &keys);

// Every choice, one line each, in the order above and then the volumes.
std::string playerOptionsText(const keyBindings &bindings, const soundVolumes &volumes);

// Applies every good line over what is there. A line with an unknown name, key or value is
// skipped with one line on standard error naming `source`. Returns how many were skipped.
int applyOptionsText(std::string_view text, keyBindings &bindings, soundVolumes &volumes,
                     std::string_view source);

// Reads the file at `path` when there is one; a malformed one is kept once at its ".bad"
// copy and its good lines still count.
void readOptionsFile(const std::string &path, keyBindings &bindings, soundVolumes &volumes);
