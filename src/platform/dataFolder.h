#pragma once
// Where the game keeps its settings and saved game, and how files there are written.
#include <string>
#include <string_view>

// "$APPDATA/Velmora" when APPDATA is set and not empty, else "$XDG_DATA_HOME/Velmora"
// likewise, else "$HOME/.local/share/Velmora"; "./Velmora" when none of them is set.
std::string defaultDataFolder();

// Creates the folder and its missing parents; true when it exists as a folder afterwards.
bool createFolders(const std::string &path);

// True when a new file can be created in the folder.
bool folderWritable(const std::string &path);

std::string joinPath(std::string_view folder, std::string_view name);

// Writes the whole text to a temporary file beside `path` and renames it over `path`,
// so a crash, a kill or a full disk leaves the old file or the new one, never a torn one.
// False, with the old file untouched, when any step fails.
bool replaceFileAtomically(const std::string &path, std::string_view contents);

// Keeps the file's present bytes at `copyPath` unless something is there already, which is
// never overwritten. True when `copyPath` holds a copy afterwards, new or older.
bool keepFirstCopy(const std::string &path, const std::string &copyPath);
