#pragma once
// The player's own choices, "options.txt" beside the settings: the keys of the eight actions,
// the two volumes and the brightness, one line each ("accelerate w up", "musicVolume 7",
// "brightness 8"). A missing line keeps its default; the file is written only when the player
// changes a choice.
#include <string>
#include <string_view>

#include "media/frameBrightness.h"
#include "player/keyBindings.h"

struct soundVolumes;
enum class fileRead;

inline constexpr int choosableActionCount = 8;

// An action the player can bind: its word in the file, its line on the controls page.
struct choosableAction {
    std::string_view fileName;
    std::string_view label;
    keyAction action;
};

inline constexpr choosableAction choosableActions[choosableActionCount] = {
    {"accelerate", "accelerate", keyAction::accelerateKey},
    {"brake", "brake", keyAction::brakeKey},
    {"left", "steer left", keyAction::steerLeftKey},
    {"right", "steer right", keyAction::steerRightKey},
    {"flash", "flash", keyAction::flashKey},
    {"lights", "headlights", keyAction::lightsKey},
    {"pause", "pause", keyAction::pauseKey},
    {"recall", "recall message", keyAction::recallKey},
};

// "w up", the keys' names with a space between.
std::string keyNames(const actionKeys &keys);

// Every choice, one line each, in the order above and then the volumes; then the brightness.
// The recall's line only when it is not on its default key and the brightness only when it is
// not the default, so a run with the choices as they come records the same header as the
// demos made before either was added.
std::string playerOptionsText(const keyBindings &bindings, const soundVolumes &volumes, int brightness);

// Applies every good line over what is there. Each line not used as written is said on
// standard error, naming `source` and the line: a line with an unknown name, key or value is
// skipped; of the lines naming one choice the last is used; a key an earlier line bound to one
// action is not taken by another. A key another action has by default moves over, and that
// action takes in its place a key the line's action gave up, as on the controls page (or a
// free one). So no key drives two actions and every action keeps a key. Returns how many
// lines or keys were not used as written.
int applyOptionsText(std::string_view text, keyBindings &bindings, soundVolumes &volumes, int &brightness,
                     std::string_view source);

// The bytes up to the last line end within the limit: a file longer than that is read as far
// as its last whole line there.
std::string_view wholeLinesWithin(std::string_view bytes, size_t limit);

// Reads the file at `path` when there is one, up to its last whole line within 16 KB; one
// with anything not used as written (or longer) is kept once at its ".bad" copy, and its
// good lines still count. Returns what the read found.
fileRead readOptionsFile(const std::string &path, keyBindings &bindings, soundVolumes &volumes,
                         int &brightness);
