#pragma once
// The two small text files the game keeps: the settings ("settings.sav", two characters,
// fullscreen then 30 fps) and the saved game ("game.sav"), and the folder they live in.
#include <string>
#include <string_view>

#include "platform/gameFlags.h"

inline constexpr const char *defaultSettingsText = "00";

struct dataFiles {
    std::string folder;
    std::string settingsPath;
    std::string gameSavePath;
    bool writable = false;
};

// Creates the folder; when it cannot be created or written, says so in one line on
// standard error and leaves `writable` false. The game runs on with its defaults.
dataFiles prepareDataFiles(const std::string &folder);

// The file's first line; when the file is missing or that line's length differs from the
// default's, the default is written to the file and returned. A malformed file's bytes are
// first kept at malformedCopyPath (once: a copy already there is never overwritten). Anything
// but a regular file (a named pipe, a device, a folder) is unreadable: it gives the default
// at once and is left as it is.
std::string readOrCreateFile(const std::string &path, std::string_view defaultText);
std::string malformedCopyPath(const std::string &path);

// Replaces the file's content with the text, atomically; false when the write failed.
bool writeTextFile(const std::string &path, std::string_view text);

// The settings text for the flags: fullscreen first, then 30 fps.
std::string settingsText(const gameFlags &flags);
bool saveSettings(const gameFlags &flags, const dataFiles &files);

// A '1' switches its flag on; any other character leaves the flag as it is.
void applySettingsText(std::string_view text, gameFlags &flags);
