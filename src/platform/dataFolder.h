#pragma once
// Where the game keeps its settings and saved game, and how files there are written.
#include <initializer_list>
#include <string>
#include <string_view>

// "$APPDATA/Velmora" when APPDATA is set and not empty, else "$XDG_DATA_HOME/Velmora"
// likewise, else "$HOME/.local/share/Velmora"; "./Velmora" when none of them is set.
std::string defaultDataFolder();
// True when none of the three variables is set, so the folder lies under the one the game
// was started from.
bool dataFolderIsLocal();

// Creates the folder and its missing parents; true when it exists as a folder afterwards.
bool createFolders(const std::string &path);

// True when a new file can be created in the folder and a byte written to it.
bool folderWritable(const std::string &path);

// What mkstemp makes of a name: the temporary files of a save are the file's name and this.
inline constexpr const char *temporarySuffix = ".XXXXXX";
inline constexpr size_t temporaryLetters = 6;
// The writability probe's name before its six letters.
inline constexpr std::string_view writeProbePrefix = ".write-test-";
// True for the name of a temporary file a save or the writability probe left: one of the
// files' names (or the probe's) with the "." and six letters or digits mkstemp adds.
bool isLeftTemporary(std::string_view name, std::initializer_list<std::string_view> fileNames);

// Removes the temporary files a save killed halfway left: regular files named after one of
// the files (or the writability probe) with the "." and six characters mkstemp adds. Nothing
// else is touched. Returns how many went.
int removeLeftTemporaries(const std::string &folder, std::initializer_list<std::string_view> fileNames);

std::string joinPath(std::string_view folder, std::string_view name);

// Writes the whole text to a temporary file beside `path` and renames it over `path`,
// so a crash, a kill or a full disk leaves the old file or the new one, never a torn one;
// the folder is synced after the rename. False, with the old file untouched and errno
// telling why, when any step fails.
bool replaceFileAtomically(const std::string &path, std::string_view contents);

// Makes the folder's record of a file just renamed into it (at `path`) last: on the desktop
// it reaches the disk; in the browser the folder is copied to the page's lasting storage.
void syncFolderOf(const std::string &path);

// Keeps the file's present bytes at `copyPath` unless something is there already, which is
// never overwritten. True when `copyPath` holds a copy afterwards, new or older.
bool keepFirstCopy(const std::string &path, const std::string &copyPath);
